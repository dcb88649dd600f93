#!/usr/bin/env bash
# Fails when a C or C++ source of the repository differs from what clang-format makes of it with
# the committed .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.hpp' '*.h' '*.c')
clang-format --dry-run --Werror $files
echo "check-format: $(echo "$files" | wc -l) files follow .clang-format"
