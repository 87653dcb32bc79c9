#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer. The layers,
# lowest first (a folder may include its own headers and those of the layers
# below it, never one above or beside it):
#   text, platform  ->  state  ->  storage | register  ->  rules (matching, results)
#   ->  suggestions  ->  board  ->  app  ->  cli | phones  ->  ui (with platform/qt)
set -euo pipefail
cd "$(dirname "$0")/.."

# Folders each source folder may include from.
declare -A allowed=(
    [text]="text"
    [platform]="platform"
    [state]="state text"
    [storage]="storage state text platform"
    [register]="register state text platform"
    [matching]="matching results storage register state text platform"
    [results]="results matching storage register state text platform"
    [suggestions]="suggestions matching results storage register state text platform"
    [board]="board suggestions matching results storage register state text platform"
    [app]="app board suggestions matching results storage register state text platform"
    [phones]="phones app board suggestions matching results storage register state text platform"
    [cli]="cli app board suggestions matching results storage register state text platform"
    [platform/qt]="platform/qt platform app board suggestions matching results storage register state text"
    [ui]="ui platform/qt platform phones app board suggestions matching results storage register state text"
)

# Headers a folder may not include although their layer is allowed: storage
# returns its faults as values and never speaks to the user, so it uses the
# Clock seam but not the Platform one.
declare -A forbidden=(
    [storage]="platform/Platform.h"
)

status=0
while IFS= read -r file; do
    rel="${file#src/}"
    layer="${rel%%/*}"
    [[ "$rel" == platform/qt/* ]] && layer="platform/qt"
    [[ -n "${allowed[$layer]:-}" ]] || { echo "$file: folder without a layer"; status=1; continue; }
    while IFS= read -r line; do
        target="${line#*\"}"
        target="${target%%\"*}"
        dir="${target%%/*}"
        [[ "$target" == platform/qt/* ]] && dir="platform/qt"
        ok=0
        for a in ${allowed[$layer]}; do
            [[ "$dir" == "$a" ]] && ok=1
        done
        if [[ $ok == 0 ]]; then
            echo "$file: includes $target from a higher layer"
            status=1
        fi
        for f in ${forbidden[$layer]:-}; do
            if [[ "$target" == "$f" ]]; then
                echo "$file: includes $target, which its layer may not use"
                status=1
            fi
        done
    done < <(grep -E '^\s*#\s*include\s*"' "$file" || true)
done < <(find src -name '*.h' -o -name '*.cpp' | sort)
exit $status
