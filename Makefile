# The two everyday commands: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps configure build run test mutations test-asan coverage fuzz package test-install bench puzzles clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@[ -f $(BUILD_DIR)/build.ninja ] || cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/wallwright

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure

# Every deliberate fault of tests/mutations, one at a time: each must make a test fail.
mutations: configure
	tests/mutations/run.sh $(BUILD_DIR)

# On a virtual X server when there is one, else on the offscreen platform.
# BENCH_ROUNDS sets the start-up rounds (7 by default).
bench: build
	cmake --build $(BUILD_DIR) --target benchmarks
	./$(BUILD_DIR)/bench/dragbench
	@echo
	./$(BUILD_DIR)/bench/hintbench
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/generatebench
	@echo
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/picturebench
	@echo
	@if command -v xvfb-run >/dev/null; then \
		xvfb-run -a -s "-screen 0 1280x1024x24" ./$(BUILD_DIR)/bench/processbench $(BENCH_ROUNDS); \
	else \
		QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/processbench $(BENCH_ROUNDS); \
	fi

# The whole suite with AddressSanitizer and UBSan, in a build folder of its own.
ASAN_DIR ?= build-asan
SANITIZER_RUN = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
test-asan: deps
	@[ -f $(ASAN_DIR)/build.ninja ] || cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DWALLWRIGHT_SANITIZE=ON
	cmake --build $(ASAN_DIR)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy $(SANITIZER_RUN) ctest --output-on-failure

# The whole suite in an instrumented build folder of its own, then gcovr's
# line and branch coverage of each source folder and of all of them.
COVERAGE_DIR ?= build-coverage
COVERAGE_FOLDERS = model game view app tools
GCOVR = gcovr --root . --exclude-throw-branches --exclude-unreachable-branches
coverage: deps
	@tools/install-deps.sh gcovr
	@[ -f $(COVERAGE_DIR)/build.ninja ] || cmake -S . -B $(COVERAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWALLWRIGHT_COVERAGE=ON
	cmake --build $(COVERAGE_DIR)
	find $(COVERAGE_DIR) -name '*.gcda' -delete
	cd $(COVERAGE_DIR) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure
	$(GCOVR) -j 2 $(foreach f,$(COVERAGE_FOLDERS),--filter '$(f)/') --exclude '(tests|bench|fuzz)/' \
		--exclude '.*_autogen/' --exclude '(.*/)?(moc|qrc)_[^/]*$$' --json $(COVERAGE_DIR)/coverage.json $(COVERAGE_DIR)
	@for folder in $(COVERAGE_FOLDERS) ""; do \
		echo "== $${folder:-total}$${folder:+/}"; \
		$(GCOVR) --add-tracefile $(COVERAGE_DIR)/coverage.json --filter "$${folder:-.*}/" --print-summary \
			| grep -E '^(lines|branches):'; \
	done

# libFuzzer on the loaders and on play, each for FUZZ_SECONDS; clang only.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS = gamefile_fuzzer settings_fuzzer play_fuzzer progress_fuzzer midi_fuzzer
fuzz:
	@tools/install-deps.sh
	@tools/install-deps.sh clang libclang-rt-dev # the fuzzers' compiler and runtimes
	@[ -f $(FUZZ_DIR)/build.ninja ] || CXX=clang++ CC=clang cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWALLWRIGHT_FUZZ=ON
	cmake --build $(FUZZ_DIR) --target fuzzers
	@for f in $(FUZZERS); do \
		mkdir -p $(FUZZ_DIR)/corpus/$$f $(FUZZ_DIR)/findings/$$f; \
		echo "== $$f for $(FUZZ_SECONDS) s"; \
		$(SANITIZER_RUN) $(FUZZ_DIR)/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
			-print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/findings/$$f/ \
			$(FUZZ_DIR)/corpus/$$f $(FUZZ_DIR)/fuzz/seeds/$$f || exit 1; \
	done

# The Debian package, wallwright_<version>_<arch>.deb, in the build folder.
package: build
	cd $(BUILD_DIR) && cpack

# The package as a Debian maintainer and a new user meet it: lintian, reuse,
# then a fresh Debian 12 where it is installed, played and purged (needs root
# or sudo; half a minute once the bootstrapped system is cached).
test-install: package
	@tools/install-deps.sh debootstrap lintian reuse # the checks' own tools
	cd $(BUILD_DIR) && ctest --output-on-failure -R package_lintian
	reuse lint
	tests/install/fresh-system.sh "$$(ls -t $(BUILD_DIR)/wallwright_*.deb | head -n 1)"

puzzles: build
	cmake --build $(BUILD_DIR) --target puzzles

clean:
	rm -rf $(BUILD_DIR)
