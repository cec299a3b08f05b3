#!/usr/bin/env bash
# Whole laps in the runner. Lock-on rules, no keys: the lasers destroy every enemy that comes
# into range, one "hit" each. Shot-hit rules, firing throughout: shots destroy enemies. Both:
# nothing escapes its table, nothing goes NaN, and two runs print the same dump byte for byte.
# Usage: full_lap.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
SIM="$(cd "$1" && pwd)/gryvel-sim"

# Sweep left and right across the field, firing one volley every four steps.
python3 - "$WORK/fire.txt" <<'PY'
import sys
lines = []
for frame in range(0, 14300, 4):
    lines += [f"{frame} down space", f"{frame + 2} up space"]
for start in range(0, 14300, 240):
    key = "left" if (start // 240) % 2 else "right"
    lines += [f"{start} down {key}", f"{start + 120} up {key}"]
lines.sort(key=lambda line: int(line.split()[0]))
open(sys.argv[1], "w").write("\n".join(lines) + "\n")
PY

lap() {  # rules, then extra options
    local rules="$1"
    shift
    "$SIM" --rules "$rules" --frames 14300 --dump all "$@" | python3 "$E2E_DIR/lap_summary.py" "$rules" |
        tee "$WORK/$rules.txt"
    local second
    second="$("$SIM" --rules "$rules" --frames 14300 --dump all "$@" | sha256sum | cut -d' ' -f1)"
    grep -q "sha256 $second" "$WORK/$rules.txt" || fail "two $rules laps printed different dumps"
    echo "ok: $rules lap deterministic"
}
lap lockon
lap shothit --keys "$WORK/fire.txt"
echo "PASS: full laps"
