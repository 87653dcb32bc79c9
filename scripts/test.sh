#!/usr/bin/env bash
# Installs what is missing, checks that no source includes a higher layer,
# builds everything and runs every test: the core
# and window tests, then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then fuzzes the file readers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs="$(nproc)"

scripts/check-includes.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRALLYNOTE_BENCH=ON
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DRALLYNOTE_GUI=OFF -DRALLYNOTE_SANITIZE=ON
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs")

# The readers of every stored file under libFuzzer (clang), about 20 s each.
scripts/fuzz.sh
