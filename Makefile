# The two everyday commands: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo

.PHONY: all deps configure build run test bench puzzles clean

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

bench: build
	cmake --build $(BUILD_DIR) --target benchmarks
	./$(BUILD_DIR)/bench/dragbench

puzzles: build
	cmake --build $(BUILD_DIR) --target puzzles

clean:
	rm -rf $(BUILD_DIR)
