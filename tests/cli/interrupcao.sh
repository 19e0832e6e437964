#!/usr/bin/env bash
# Ctrl-C during `tessarin validar` stops the record loop as a confirmed ESC does: the list ends with the
# interruption lines, the run still closes (summary, log) and the exit status is 130.
#
# Usage: interrupcao.sh TESSARIN_BINARY
set -u
export LC_ALL=C # byte-wise matching: the saved lists are Windows-1252

tessarin=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

falha() {
    echo "FAIL: $*"
    exit 1
}

# Large enough that a whole run takes seconds, so the loop is still running when the signal arrives.
mestre=$("$tessarin" exemplo "$tmp" --referencia 1103 --uf RJ --modelo 06 --documentos 200000 --itens 3) ||
    falha "exemplo failed"

"$tessarin" validar "$mestre" --cnpj 11222333000181 --log "$tmp/log.txt" --lista "$tmp/lista.txt" \
    >"$tmp/saida" 2>"$tmp/erros" &
pid=$!

# The handler is in place once the log's header is written: the header comes just before the loop.
for _ in $(seq 1 3000); do
    grep -q "registro; tipo de ocorrencia" "$tmp/log.txt" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
done
kill -INT "$pid" 2>/dev/null || falha "the run ended before it could be interrupted"
wait "$pid"
status=$?

[ "$status" = 130 ] || falha "exit status $status, expected 130"
grep -qx " Validação interrompida..." "$tmp/saida" || falha "no interruption line on standard output"
grep -q " Valida.*o interrompida\.\.\." "$tmp/lista.txt" || falha "no interruption line in the saved list"
grep -q "Processo de validação interrompido." "$tmp/erros" || falha "no closing message on standard error"
# The run closed normally after the loop: the items not walked are reported.
grep -q "Erro: 419 - " "$tmp/saida" || falha "the closing did not run after the interruption"
echo "ok"
