#!/usr/bin/env bash
# Configures and builds Orvane into build/ (the executable is build/orvane).
# Extra arguments go to cmake's configure step, e.g. -DORVANE_WERROR=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j2
