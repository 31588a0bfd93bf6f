#!/bin/bash
# Puts each deliberate fault of this folder into the source, one at a time,
# builds, runs the suite and takes the fault out again. A fault is CAUGHT
# when some test fails, MISSED when the whole suite passes.
#   tests/mutations/run.sh [build folder] [fault.patch ...]
# Builds and test runs wait for the shared build lock, as every build here does.
set -u
kit=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$kit/../.." && pwd)
build=$(realpath -m "${1:-$root/build}")
shift $(($# > 0 ? 1 : 0))
lock=/tmp/wallwright-build.lock
jobs=${JOBS:-2}
patches=("$@")
[ ${#patches[@]} -gt 0 ] || patches=("$kit"/*.patch)
cd "$root" || exit 2

applied=""
takeOut() {
    if [ -n "$applied" ]; then
        git apply -R "$applied" || echo "could not take $applied out again: check the tree" >&2
        applied=""
    fi
}
trap takeOut EXIT
trap 'exit 130' INT TERM

if [ ! -f "$build/build.ninja" ]; then
    flock "$lock" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
fi
# The unchanged tree must build, or a failing build would prove nothing.
flock "$lock" cmake --build "$build" -j"$jobs" >/dev/null || { echo "the unchanged tree does not build" >&2; exit 2; }

caught=0 missed=0 broken=0
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    if ! git apply "$patch"; then
        echo "$name: does not apply"
        broken=$((broken + 1))
        continue
    fi
    applied=$patch
    log="$build/mutation-$name.log"
    if ! flock "$lock" cmake --build "$build" -j"$jobs" >"$log" 2>&1; then
        echo "$name: does not build (see $log)"
        broken=$((broken + 1))
    elif flock "$lock" bash -c "cd '$build' && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
            ctest -j$jobs --timeout 300 --stop-on-failure" >"$log" 2>&1; then
        echo "$name: MISSED"
        missed=$((missed + 1))
    else
        failed=$(sed -n '/The following tests FAILED/,$p' "$log" | grep -oE '^\s*[0-9]+ - [^ ]+' \
            | awk '{print $3}' | sort -u | paste -sd' ')
        echo "$name: CAUGHT by ${failed:-a failing run}"
        caught=$((caught + 1))
    fi
    takeOut
done
# Leave the build folder as the unchanged tree builds it.
flock "$lock" cmake --build "$build" -j"$jobs" >/dev/null
summary="$caught caught, $missed missed"
[ "$broken" -eq 0 ] || summary+=", $broken did not apply or build"
echo "$summary"
[ "$missed" -eq 0 ] && [ "$broken" -eq 0 ]
