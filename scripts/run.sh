#!/usr/bin/env bash
# Installs what the build needs, builds the plug-in, the simulated sensor and
# powermeter, and takes ten readings. Arguments replace the default ones.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh run
cmake --preset linux -DBUILD_TESTING=OFF >/dev/null
cmake --build --preset linux --target powermeter RohdeSchwarzNRPZ rsnrpz_32 >/dev/null

if [ $# -eq 0 ]; then
    set -- read -n 10
fi
echo "\$ build/linux/bin/powermeter $*"
exec build/linux/bin/powermeter "$@"
