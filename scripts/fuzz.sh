#!/usr/bin/env bash
# Builds the fuzz targets of the file readers with clang and runs each for a
# bounded time, starting from the seeds in tests/fuzz/corpus/. Fails on any
# crash, leak, timeout or sanitizer report (libFuzzer then exits non-zero and
# leaves the input in build-fuzz/artifacts/).
#   scripts/fuzz.sh                 every target, FUZZ_SECONDS (20) each
#   scripts/fuzz.sh MemberMaster    only the named targets
# The corpus each run grows is kept in build-fuzz/corpus/, so later runs go on
# from where earlier ones stopped.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-20}"
jobs="${FUZZ_BUILD_JOBS:-$(nproc)}"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(MeetingOpen MeetingRecords MeetingTotals Journal MemberMaster ActivityLog Settings)
fi

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRALLYNOTE_FUZZ=ON -DRALLYNOTE_WERROR=ON -DRALLYNOTE_GUI=OFF -DRALLYNOTE_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_targets

# Inputs up to three meeting records and a little, a full member master.
max_len() {
    case "$1" in
    Meeting* | Journal) echo 36000 ;;
    MemberMaster) echo 18200 ;;
    *) echo 4096 ;;
    esac
}

mkdir -p build-fuzz/artifacts
failed=0
failures=0
for target in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    echo "== fuzz_$target: ${seconds}s"
    if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "build-fuzz/tests/fuzz/fuzz_$target" "$corpus" "tests/fuzz/corpus/$target" \
        -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$target-" 2>"build-fuzz/$target.log"; then
        echo "fuzz_$target FAILED; see build-fuzz/$target.log"
        tail -n 40 "build-fuzz/$target.log"
        failed=1
        failures=$((failures + 1))
    fi
    grep -E 'DONE|^stat::number_of_executed_units|^Done ' "build-fuzz/$target.log" || true
done
echo "fuzz: $((${#targets[@]} - failures)) passed, $failures failed"
exit "$failed"
