#!/usr/bin/env bash
# Speed and memory of a validation run against the floor set by md5sum over the same bytes, measured in one
# run on one machine so the ratio means something. Writes a v_03 sample volume with `tessarin exemplo` into
# a temporary folder (removed at the end).
#
#   bench/bench.sh [--documentos N]      (default 100000 documents of 3 items)
#   TESSARIN=path/to/tessarin bench/bench.sh   (default: build/src/cli/tessarin)
set -euo pipefail

documentos=100000
itens=3
while [ $# -gt 0 ]; do
  case $1 in
    --documentos) documentos=${2:?--documentos precisa de um número}; shift 2 ;;
    --documentos=*) documentos=${1#*=}; shift ;;
    -h|--help) sed -n '2,8p' "$0"; exit 0 ;;
    *) echo "opção desconhecida: $1" >&2; exit 2 ;;
  esac
done

raiz=$(cd "$(dirname "$0")/.." && pwd)
tessarin=${TESSARIN:-$raiz/build/src/cli/tessarin}
if [ ! -x "$tessarin" ]; then
  echo "tessarin não encontrado em $tessarin: compile antes (scripts/compilar.sh) ou defina TESSARIN" >&2
  exit 2
fi

# GNU time gives wall time and peak memory of one process; bash's own `time` has no memory figure.
if [ ! -x /usr/bin/time ]; then
  echo "instalando o pacote time (para /usr/bin/time)..." >&2
  if [ "$(id -u)" -eq 0 ]; then apt-get install -y -qq time >/dev/null; else sudo apt-get install -y -qq time >/dev/null; fi
fi

cnpj=11222333000181
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT

/usr/bin/time -f '%e' -o "$pasta/tempo_exemplo" \
  "$tessarin" exemplo "$pasta/volume" --referencia 1701 --documentos "$documentos" --itens "$itens" \
  --cnpj "$cnpj" >"$pasta/mestre"
mestre=$(cat "$pasta/mestre")
# The three names differ only in the type letter, the fifth character from the end.
nome=$(basename "$mestre")
tipo=$((${#nome} - 5))
item="$(dirname "$mestre")/${nome:0:$tipo}I${nome:$((tipo + 1))}"
destinatario="$(dirname "$mestre")/${nome:0:$tipo}D${nome:$((tipo + 1))}"
bytes=$(($(stat -c %s "$mestre") + $(stat -c %s "$item") + $(stat -c %s "$destinatario")))

# Warm cache for both measurements: neither should pay for the disk.
cat "$mestre" "$item" "$destinatario" >/dev/null

/usr/bin/time -f '%e %M' -o "$pasta/tempo_md5" md5sum "$mestre" "$item" "$destinatario" >/dev/null
read -r md5_s md5_kb <"$pasta/tempo_md5"

validar_s=""
# The subcommand list of the top-level help says whether this build has `validar` yet.
if "$tessarin" --help 2>/dev/null | grep -qE '^[[:space:]]+validar([[:space:]]|$)'; then
  set +e
  /usr/bin/time -f '%e %M' -o "$pasta/tempo_validar" "$tessarin" validar "$mestre" --cnpj "$cnpj" \
    >"$pasta/lista" 2>"$pasta/erros"
  validar_status=$?
  set -e
  read -r validar_s validar_kb < <(tail -n 1 "$pasta/tempo_validar")
fi

cpu=$(sed -n 's/^model name[[:space:]]*:[[:space:]]*//p' /proc/cpuinfo | head -n 1)
echo "máquina:        $(nproc) núcleo(s), ${cpu:-modelo desconhecido}"
echo "volume:         v_03, $documentos documentos x $itens itens, $bytes bytes (gerado em $(cat "$pasta/tempo_exemplo")s)"
echo "md5sum:         ${md5_s}s, ${md5_kb} KB de memória máxima"
if [ -z "$validar_s" ]; then
  echo "tessarin validar: o subcomando ainda não existe neste tessarin; só o md5sum foi medido"
  exit 0
fi
echo "tessarin validar: ${validar_s}s, ${validar_kb} KB de memória máxima (status de saída $validar_status)"
if [ "$validar_status" -ne 0 ]; then
  echo "  atenção: o volume de exemplo deveria passar sem erros; primeiras linhas da lista:"
  head -n 10 "$pasta/lista" | sed 's/^/  /'
  head -n 5 "$pasta/erros" | sed 's/^/  /'
fi
awk -v v="$validar_s" -v m="$md5_s" 'BEGIN {
  if (m > 0) printf "razão validar / md5sum: %.2f\n", v / m; else print "razão validar / md5sum: md5sum rápido demais para medir" }'
