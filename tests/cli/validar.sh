#!/usr/bin/env bash
# `tessarin validar` as a user runs it: its whole standard output, the --lista file, the JSON result and the
# log are compared byte for byte with golden files; the exit statuses and the silence of standard error
# about progress when it is not a terminal are checked. TESSARIN_REGENERAR=1 rewrites the golden files.
#
# Usage: validar.sh TESSARIN_BINARY GOLDEN_FOLDER
set -u
export LC_ALL=C # byte-wise matching: the saved lists are Windows-1252

tessarin=$1
golden=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falhas=0

falha() {
    echo "FAIL: $*"
    falhas=$((falhas + 1))
}

# confere NAME FILE: FILE must equal the golden file NAME (or becomes it when regenerating).
confere() {
    local nome=$1 arquivo=$2
    if [ "${TESSARIN_REGENERAR:-}" = 1 ]; then
        cp "$arquivo" "$golden/$nome"
        return
    fi
    if [ ! -f "$golden/$nome" ]; then
        falha "golden file missing: $nome (run with TESSARIN_REGENERAR=1 to write it)"
    elif ! cmp -s "$arquivo" "$golden/$nome"; then
        falha "$nome differs from the golden file"
        diff "$golden/$nome" "$arquivo" | head -20
    fi
}

# The log holds the real clock on one line only. The log is Windows-1252: "ção" is matched byte by byte.
mascara_log() {
    sed 's/^\(Data da Valida..o: \)[0-9/]* [0-9:]*\r$/\1dd\/mm\/aaaa hh:nn:ss\r/' "$1" >"$1.mascarado"
}

# roda EXPECTED_STATUS NAME ARGS...: runs validar with stdout and stderr in $tmp/NAME.{saida,erros}.
roda() {
    local esperado=$1 nome=$2
    shift 2
    "$tessarin" validar "$@" >"$tmp/$nome.saida" 2>"$tmp/$nome.erros"
    local status=$?
    if [ "$status" != "$esperado" ]; then
        falha "$nome: exit status $status, expected $esperado"
        cat "$tmp/$nome.erros"
    fi
    # Standard error is a file here, not a terminal: no progress may be drawn on it.
    if grep -q "Validando" "$tmp/$nome.erros"; then
        falha "$nome: progress written to standard error that is not a terminal"
    fi
}

# A small clean volume of 2011 (short records) and a copy with one byte changed.
mestre=$("$tessarin" exemplo "$tmp/limpo" --referencia 1103 --uf RJ --modelo 06 --documentos 3 --itens 2) ||
    falha "exemplo failed"
nome=$(basename "$mestre")
mkdir "$tmp/erros"
cp "$tmp/limpo/"* "$tmp/erros/"
# The second document's situation (position 196) becomes "X": 128, and the record's code no longer matches.
printf 'X' | dd of="$tmp/erros/$nome" bs=1 seek=$((256 + 195)) conv=notrunc status=none

# Clean: nothing listed, status 0, the log ends with the "no errors" line.
roda 0 limpo "$mestre" --cnpj 11222333000181 --log "$tmp/limpo.log" --lista "$tmp/limpo.lista" \
    --json "$tmp/limpo.json"
confere run-cli-limpo.saida.txt "$tmp/limpo.saida"
confere run-cli-limpo.lista.txt "$tmp/limpo.lista"
confere run-cli-limpo.json.txt "$tmp/limpo.json"
mascara_log "$tmp/limpo.log"
confere run-cli-limpo.log.txt "$tmp/limpo.log.mascarado"
grep -q "Validação concluída!" "$tmp/limpo.erros" || falha "limpo: closing message missing on standard error"

# With errors, without a log: the occurrences on standard output (UTF-8), and the same list saved in
# Windows-1252 with CR LF.
roda 1 erros "$tmp/erros/$nome" --cnpj 11222333000181 --lista "$tmp/erros.lista" --json "$tmp/erros.json"
confere run-cli-erros.saida.txt "$tmp/erros.saida"
confere run-cli-erros.lista.txt "$tmp/erros.lista"
confere run-cli-erros.json.txt "$tmp/erros.json"
if [ "${TESSARIN_REGENERAR:-}" != 1 ]; then
    # The saved list is the printed one in another encoding and line end.
    iconv -f UTF-8 -t WINDOWS-1252 "$tmp/erros.saida" | sed 's/$/\r/' | cmp -s - "$tmp/erros.lista" ||
        falha "erros: --lista is not standard output in Windows-1252 with CR LF"
fi

# With errors and a log: the reporter's occurrences go to the log only; the summary is still printed.
roda 1 erros-log "$tmp/erros/$nome" --cnpj 11222333000181 --log "$tmp/erros.log"
confere run-cli-erros-log.saida.txt "$tmp/erros-log.saida"
mascara_log "$tmp/erros.log"
confere run-cli-erros.log.txt "$tmp/erros.log.mascarado"

# The taxpayer from an identification file: a complete one runs, one with a wrong CNPJ check digit is
# refused with the identification's own message.
escreve_ini() {
    printf '[IDENTIFICACAO]\r\nRAZAO SOCIAL=Companhia de Teste\r\nIE=ISENTO\r\nCNPJ=%s\r\n\r\n' "$2" >"$1"
    printf '[ENDERECO]\r\nENDERECO=Rua das Flores, 100\r\nBAIRRO=Centro\r\nMUNICIPIO=Rio de Janeiro\r\n' >>"$1"
    printf 'CEP=20010-000\r\nUF=RJ\r\n\r\n[RESPONSAVEL]\r\nNOME=Maria Souza\r\nCARGO=Diretora\r\n' >>"$1"
    printf 'TELEFONE=21-987654321\r\nEMAIL=maria@empresa.com.br\r\n' >>"$1"
}
escreve_ini "$tmp/boa.ini" 11.222.333/0001-81
escreve_ini "$tmp/ruim.ini" 11.222.333/0001-82
roda 0 identificacao "$mestre" --identificacao "$tmp/boa.ini"
roda 2 identificacao-invalida "$mestre" --identificacao "$tmp/ruim.ini"
grep -q "CNPJ" "$tmp/identificacao-invalida.erros" || falha "invalid identification: no message about the CNPJ"

# Bad usage and missing input: status 2, a message, nothing on standard output.
roda 2 sem-arquivo "$tmp/nao-existe/${nome}" --cnpj 11222333000181
roda 2 cnpj-invalido "$mestre" --cnpj 11222333000182
roda 2 sem-contribuinte "$mestre"
grep -q "Arquivo Mestre (.*) não localizado" "$tmp/sem-arquivo.erros" || falha "sem-arquivo: the message does not name the Mestre file"
for caso in sem-arquivo cnpj-invalido sem-contribuinte identificacao-invalida; do
    [ -s "$tmp/$caso.erros" ] || falha "$caso: no message on standard error"
    [ ! -s "$tmp/$caso.saida" ] || falha "$caso: unexpected standard output"
done

if [ "$falhas" -ne 0 ]; then
    echo "$falhas failure(s)"
    exit 1
fi
echo "ok"
