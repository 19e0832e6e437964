#!/usr/bin/env bash
# The core must build without any widget toolkit, and its folders form layers: a folder includes only
# the folders below it. Fails naming each offending line.
set -uo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
cd "$raiz/src/nucleo"
falhas=0
qt=$(grep -rnE '#include *[<"]Q' . || true)
if [ -n "$qt" ]; then
  echo "src/nucleo includes Qt headers:"; echo "$qt"; falhas=1
fi
# Allowed folders for each folder's includes.
declare -A permitido=(
  [dados]="dados"
  [registros]="dados registros"
  [relato]="dados registros relato"
  [checagens]="dados registros relato checagens"
  [validacao]="dados registros relato checagens validacao"
  [controle]="dados registros relato controle"
  [principal]="dados registros relato principal"
)
for pasta in "${!permitido[@]}"; do
  [ -d "$pasta" ] || continue
  while IFS= read -r linha; do
    alvo=$(sed -E 's/.*#include *"([a-z]+)\/.*/\1/' <<<"${linha#*:*:}")
    if ! grep -qw "$alvo" <<<"${permitido[$pasta]}"; then
      echo "layer violation: $linha"; falhas=1
    fi
  done < <(grep -rnE '#include *"[a-z]+/' "$pasta" || true)
done
exit $falhas
