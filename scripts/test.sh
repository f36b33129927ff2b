#!/usr/bin/env bash
# The whole test suite, from a fresh clone on Debian 12, as root: installs
# what it needs, then builds and tests Linux, the sanitizer and analysis
# checks, and the 32-bit Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test

echo "== Linux =="
cmake --preset linux
cmake --build --preset linux
ctest --preset linux

echo "== Sanitizers, fuzzing and analysis =="
bash scripts/test-quality.sh

echo "== 32-bit Windows under Wine =="
bash scripts/test-win32.sh
