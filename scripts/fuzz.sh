#!/usr/bin/env bash
# Builds each libFuzzer target of fuzz/ with clang and runs it for a bounded time on its seed
# corpus. Fails on any crash, leak or sanitizer report.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

seconds=${FUZZ_SECONDS:-20}
out="$BUILD/fuzz"
shopt -s nullglob
targets=("$ROOT"/fuzz/*.cpp)
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz: no targets"
    exit 0
fi

cmake -S "$ROOT" -B "$out" -G Ninja -DTAVRILO_FUZZ=ON -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$out" -j "$JOBS"

status=0
for target in "${targets[@]}"; do
    name=$(basename "$target" .cpp)
    corpus="$out/corpus-$name"
    mkdir -p "$corpus"
    echo "fuzz: $name for ${seconds}s"
    # Run inside the build tree so that crash files never land in the work tree.
    if ! (cd "$out" && UBSAN_OPTIONS=halt_on_error=1 "./$name" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -print_final_stats=0 "$corpus" "$ROOT/fuzz/corpus/$name" \
        >"$out/$name.log" 2>&1); then
        echo "fuzz: $name FAILED"
        tail -n 40 "$out/$name.log"
        status=1
    fi
done
exit $status
