#!/usr/bin/env bash
# A whole lap with no keys pressed: the lock-on lasers destroy every enemy that comes into
# range, one "hit" each, and two runs print the same dump byte for byte.
# Usage: full_lap.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
SIM="$(cd "$1" && pwd)/gryvel-sim"

"$SIM" --frames 14300 --dump all | python3 "$E2E_DIR/lap_summary.py" | tee "$WORK/first.txt"
second="$("$SIM" --frames 14300 --dump all | sha256sum | cut -d' ' -f1)"
grep -q "sha256 $second" "$WORK/first.txt" || fail "two runs of the lap printed different dumps"
echo "PASS: full lap, deterministic ($second)"
