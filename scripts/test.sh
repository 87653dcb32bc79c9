#!/usr/bin/env bash
# Installs what is missing, checks the layers and the formatting, builds
# everything with warnings as errors and runs every test: the core and window
# tests, README's install and package commands, then the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then fuzzes the file
# readers.
#   scripts/test.sh           everything
#   scripts/test.sh --quick   the edit loop: the checks, the main build and its
#                             tests; no install check, no sanitizer build, no
#                             fuzzing
#
# The main build is README's install build (Release, the -O3 build a user
# makes) with the tests and benchmarks added, in the same folder, so every
# build command README shows runs here and a warning only an optimised build
# gives cannot come back.
set -euo pipefail
cd "$(dirname "$0")/.."

quick=0
case "${1:-}" in
--quick) quick=1 ;;
"") ;;
*)
    echo "usage: scripts/test.sh [--quick]" >&2
    exit 2
    ;;
esac

scripts/deps.sh
jobs="$(nproc)"

scripts/check-includes.sh
scripts/check-format.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DRALLYNOTE_BENCH=ON -DRALLYNOTE_WERROR=ON
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

if [ "$quick" = 1 ]; then
    exit 0
fi

scripts/check-install.sh build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DRALLYNOTE_GUI=OFF -DRALLYNOTE_SANITIZE=ON \
    -DRALLYNOTE_WERROR=ON
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs")

# The readers of every stored file under libFuzzer (clang), about 20 s each.
scripts/fuzz.sh
