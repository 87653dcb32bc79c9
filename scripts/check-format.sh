#!/usr/bin/env bash
# Fails when a C++ file under src/, tests/ or bench/ differs from what
# clang-format (the repository's .clang-format) makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.cpp' |
    xargs -0 clang-format --dry-run --Werror
