#!/usr/bin/env bash
# Sets everything up, builds, and validates the bundled sample volume with the taxpayer's identification
# from exemplos/identificacao.ini; prints the occurrence list, the closing message and the occurrence log.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
bash "$raiz/scripts/preparar.sh"
bash "$raiz/scripts/compilar.sh"
tessarin="${TESSARIN_BUILD:-$raiz/build}/src/cli/tessarin"
saida=$(mktemp -d)
trap 'rm -rf "$saida"' EXIT
status=0
"$tessarin" validar "$raiz/exemplos/volume/SP11222333000181220011701N01M.001" \
  --identificacao "$raiz/exemplos/identificacao.ini" --log "$saida/log.txt" --json "$saida/resultado.json" || status=$?
echo
echo "--- arquivo de ocorrências (log) ---"
iconv -f WINDOWS-1252 -t UTF-8 "$saida/log.txt" | tr -d '\r'
echo "--- status de saída: $status ---"
exit "$status"
