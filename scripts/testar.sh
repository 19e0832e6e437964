#!/usr/bin/env bash
# Sets everything up, builds with warnings as errors and runs every test.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
bash "$raiz/scripts/preparar.sh"
bash "$raiz/scripts/verificar-camadas.sh"
bash "$raiz/scripts/compilar.sh" -DTESSARIN_WERROR=ON
ctest --test-dir "${TESSARIN_BUILD:-$raiz/build}" --output-on-failure -j "$(nproc)"
