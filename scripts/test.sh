#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the core
# and window tests, then the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then fuzzes the file readers. Warnings are
# errors here, in every build.
#
# The main build is README's install build (Release, the -O3 build a user
# makes) with the tests and benchmarks added, in the same folder, followed by
# README's install and package commands, so every build command README shows
# runs here and a warning only an optimised build gives cannot come back.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DRALLYNOTE_BENCH=ON -DRALLYNOTE_WERROR=ON
cmake --build build -j"$jobs"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
scripts/check-install.sh build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DRALLYNOTE_GUI=OFF -DRALLYNOTE_SANITIZE=ON \
    -DRALLYNOTE_WERROR=ON
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs")

# The readers of every stored file under libFuzzer (clang), about 20 s each.
scripts/fuzz.sh
