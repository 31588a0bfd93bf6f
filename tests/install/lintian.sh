#!/bin/sh
# Makes the package from a build folder, as `make package` does but into a
# fresh scratch folder of its own under TMPDIR, and runs lintian on it: any
# error or warning fails. Skipped (exit 77) where lintian is not installed.
# Usage: lintian.sh CPACK BUILD_DIR
set -eu
cpack=$1
build=$2
if ! command -v lintian >/dev/null; then
  echo "lintian is not installed: skipped"
  exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
# lintian leaves scratch files of its own in TMPDIR: they go with the folder.
mkdir "$out/scratch"
TMPDIR=$out/scratch lintian --fail-on error,warning --display-info "$out"/*.deb
