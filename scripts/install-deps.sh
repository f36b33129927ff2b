#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, as root.
#   install-deps.sh run   - enough to build and run on Linux
#   install-deps.sh test  - everything the full test suite uses, 32-bit Wine included
set -euo pipefail

profile=${1:-test}
packages=(cmake make g++ libcli11-dev)
if [ "$profile" = test ]; then
    packages+=(libgtest-dev libgmock-dev clang libclang-rt-14-dev clang-tidy cppcheck valgrind libbenchmark-dev
               g++-mingw-w64-i686 wine wine32:i386)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [ "$profile" = test ]; then
    dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
echo "install-deps: done"
