#!/usr/bin/env bash
# Fuzzes the key-script parser and the image loader with libFuzzer (clang), each for a bounded
# time, both at once. Starts from the small corpus in tests/fuzz/corpus and leaves it as it is;
# a crash fails the run and leaves the input in build-fuzz/.
#   bash scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail

SECONDS_EACH="${1:-60}"
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT="$ROOT/build-fuzz"
mkdir -p "$OUT"

CXX="${CXX_FUZZ:-clang++}"
FLAGS=(-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
    -I"$ROOT/src" -I"$ROOT/tools")

"$CXX" "${FLAGS[@]}" -o "$OUT/key_script_fuzzer" "$ROOT/tests/fuzz/key_script_fuzzer.cpp" \
    "$ROOT/tools/sim/key_script.cpp"
"$CXX" "${FLAGS[@]}" -o "$OUT/png_fuzzer" "$ROOT/tests/fuzz/png_fuzzer.cpp" \
    "$ROOT/src/gfx/png_image.cpp" "$ROOT/src/gfx/premultiply.cpp" "$ROOT/src/app/file_probe.cpp" \
    $(pkg-config --cflags --libs libpng)

export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
run() {  # name
    local corpus="$OUT/corpus-$1"
    rm -rf "$corpus"
    cp -r "$ROOT/tests/fuzz/corpus/${1%_fuzzer}" "$corpus"
    (cd "$OUT" && "./$1" -max_total_time="$SECONDS_EACH" -rss_limit_mb=1024 -max_len=65536 \
        -print_final_stats=1 "$corpus" >"$OUT/$1.log" 2>&1)
}
run key_script_fuzzer &
KEYS=$!
run png_fuzzer &
PNG=$!
status=0
wait "$KEYS" || { status=1; echo "key_script_fuzzer failed:"; tail -n 40 "$OUT/key_script_fuzzer.log"; }
wait "$PNG" || { status=1; echo "png_fuzzer failed:"; tail -n 40 "$OUT/png_fuzzer.log"; }
for name in key_script_fuzzer png_fuzzer; do
    echo "$name: $(grep -E 'stat::number_of_executed_units' "$OUT/$name.log" | awk '{print $2}') runs," \
        "$(grep -E 'stat::peak_rss_mb' "$OUT/$name.log" | awk '{print $2}') MB peak"
done
exit "$status"
