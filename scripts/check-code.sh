#!/usr/bin/env bash
# The code's own checks: every C++ file formatted to .clang-format, and, with
# --tidy, the program's sources clean under .clang-tidy (needs build/, made by
# ./test.sh or ./run.sh, for its compile commands).
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$repo"

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "Formatação fora do padrão: rode clang-format -i nos arquivos acima." >&2
    exit 1
fi
echo "Formatação: ${#sources[@]} arquivos conferidos."

if [ "${1:-}" = "--tidy" ]; then
    run-clang-tidy -p build -quiet -j2 "$repo/(src|tools)/.*\.cpp" >/tmp/corvanel-tidy.log 2>&1 || true
    if grep -E "(warning|error):" /tmp/corvanel-tidy.log; then
        echo "clang-tidy encontrou problemas (acima)." >&2
        exit 1
    fi
    echo "clang-tidy: nenhum problema."
fi
