#!/usr/bin/env bash
# Configures and builds into ./build (or $TESSARIN_BUILD). Extra arguments go to cmake's configure step.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${TESSARIN_BUILD:-$raiz/build}
cmake -S "$raiz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
