#!/usr/bin/env bash
# Builds the benchmarks natively in a Release tree without sanitizers and runs them all,
# reporting the median of several repetitions.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

bench_build="$BUILD/bench"
cmake -S "$ROOT" -B "$bench_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRILO_SANITIZE=OFF \
    -DTAVRILO_BENCH=ON >/dev/null
cmake --build "$bench_build" -j "$JOBS" --target tavrilo_bench
"$bench_build/tavrilo_bench" --benchmark_repetitions="${BENCH_REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true "$@"

echo "== the program under Wine"
configure_and_build_windows >/dev/null
trap stop_wine_and_xvfb EXIT
start_xvfb
setup_wine_env
wine "$WINDOWS_BUILD/bin/program_bench.exe" "$WINDOWS_BUILD/bin/Tavrilo.exe" "${BENCH_REPETITIONS:-5}"
wine "$WINDOWS_BUILD/bin/pipe_bench.exe" "$WINDOWS_BUILD/bin/Tavrilo.exe"
wine "$WINDOWS_BUILD/bin/latency_bench.exe" "$WINDOWS_BUILD/bin/Tavrilo.exe"
wine "$WINDOWS_BUILD/bin/info_burst_bench.exe" "$WINDOWS_BUILD/bin/Tavrilo.exe"
