#!/usr/bin/env bash
# Builds the project and runs the main job: sefgen checks a few sample identifiers, postal codes
# and CFOP codes, valid and invalid, then generates the sample SEF file of January 2005.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja
cmake --build build
sefgen=build/tools/sefgen/sefgen

echo "== sefgen versao"
"$sefgen" versao
run() {
  echo "== sefgen valida $*"
  "$sefgen" valida "$@" || true
}
run Verifica_CNPJ 11222333000181 11.222.333/0001-81 11222333000182
run Verifica_CPF 123.456.789-09 12345678900
run Verifica_CEP 50000000 5000000
run Verifica_CEP_UF 69300000 RR 69300000 AM
run Verifica_CFOP 5102 5100

echo "== sefgen run samples/janeiro2005.txt (files in out/)"
mkdir -p out
"$sefgen" run samples/janeiro2005.txt --sef out/SEF.txt --erro out/Erro_SEF.txt --log out/Log_SEF.txt
