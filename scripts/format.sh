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
        # One clang-format per batch of files, a batch per core at a time; the files whose layout
        # drifts are named in its "code should be clang-formatted" lines.
        stan=0
        wyjscie=$(printf '%s\0' "${pliki[@]}" |
            xargs -0 -n 25 -P "$(nproc)" "$format" --dry-run --Werror 2>&1) || stan=$?
        zle=$(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$wyjscie" | sort -u)
        if [ $stan -ne 0 ] && [ -z "$zle" ]; then
            # clang-format itself failed (a broken .clang-format, a missing program): say so.
            echo "$wyjscie" >&2
            exit 1
        fi
        if [ -n "$zle" ]; then
            echo "Układ tekstu niezgodny z .clang-format (popraw: scripts/format.sh):" >&2
            printf '  %s\n' $zle >&2
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
