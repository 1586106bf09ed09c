#!/usr/bin/env bash
# Builds each libFuzzer target of fuzz/ with clang and runs it for a bounded time on its seed
# corpus. Fails on any crash, leak or sanitizer report.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

seconds=${FUZZ_SECONDS:-20}
out="$BUILD/fuzz"
mkdir -p "$out"
shopt -s nullglob
targets=("$ROOT"/fuzz/*.cpp)
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz: no targets"
    exit 0
fi

mapfile -t portable < <(cd "$ROOT" && find src -name '*.cpp' -not -path '*/win32/*' \
    -not -path 'src/app/*' -not -path 'src/plugin/*' -not -path 'src/keyboard-hook/*' | sort)

# One library object set shared by every target.
objs=()
for src in "${portable[@]}"; do
    obj="$out/obj/${src//\//_}.o"
    mkdir -p "$out/obj"
    if [ ! -f "$obj" ] || [ "$ROOT/$src" -nt "$obj" ]; then
        clang++ -std=c++20 -O1 -g -fsanitize=fuzzer-no-link,address,undefined \
            -I"$ROOT/src" -c "$ROOT/$src" -o "$obj"
    fi
    objs+=("$obj")
done

status=0
for target in "${targets[@]}"; do
    name=$(basename "$target" .cpp)
    bin="$out/$name"
    clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I"$ROOT/src" \
        "$target" "${objs[@]}" -o "$bin"
    corpus="$out/corpus-$name"
    mkdir -p "$corpus"
    seeds="$ROOT/fuzz/corpus/$name"
    echo "fuzz: $name for ${seconds}s"
    if ! UBSAN_OPTIONS=halt_on_error=1 "$bin" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -print_final_stats=0 "$corpus" "$seeds" >"$out/$name.log" 2>&1; then
        echo "fuzz: $name FAILED"
        tail -n 40 "$out/$name.log"
        status=1
    fi
done
exit $status
