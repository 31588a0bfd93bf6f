#!/usr/bin/env bash
# Installs what `make fuzz` needs beyond the game's own packages: clang and
# its sanitizer and libFuzzer runtimes. Idempotent.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

packages=(clang libclang-rt-dev)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
