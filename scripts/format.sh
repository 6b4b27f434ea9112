#!/usr/bin/env bash
# clang-format over the C++ files git tracks, with the repository's .clang-format.
#   scripts/format.sh            formats them in place
#   scripts/format.sh --sprawdz  changes nothing; lists the files whose layout drifts and fails
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
mapfile -t pliki < <(git ls-files -- '*.cpp' '*.h' '*.hpp' '*.cc')
if [ ${#pliki[@]} -eq 0 ]; then
    exit 0
fi
case "${1:-}" in
    --sprawdz)
        zle=()
        for p in "${pliki[@]}"; do
            if ! "$format" --dry-run --Werror "$p" >/dev/null 2>&1; then
                zle+=("$p")
            fi
        done
        if [ ${#zle[@]} -gt 0 ]; then
            echo "Układ tekstu niezgodny z .clang-format (popraw: scripts/format.sh):" >&2
            printf '  %s\n' "${zle[@]}" >&2
            exit 1
        fi
        echo "clang-format: ${#pliki[@]} plików zgodnych."
        ;;
    "")
        "$format" -i "${pliki[@]}"
        ;;
    *)
        echo "Użycie: scripts/format.sh [--sprawdz]" >&2
        exit 2
        ;;
esac
