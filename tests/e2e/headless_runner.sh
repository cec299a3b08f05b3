#!/usr/bin/env bash
# The headless runner's command line and dump contract.
# Usage: headless_runner.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"
SIM="$BUILD/gryvel-sim"

"$SIM" --frames 14301 --dump 0,1,2,14298,14299,14300 >"$WORK/dump.jsonl"
"$SIM" --frames 14301 --dump 0,1,2,14298,14299,14300 >"$WORK/again.jsonl"
cmp -s "$WORK/dump.jsonl" "$WORK/again.jsonl" || fail "two runs printed different dumps"

python3 - "$WORK/dump.jsonl" <<'PY'
import json, sys
KEYS = ["frame", "stageClock", "backLayerScroll", "frontLayerScroll", "sounds", "draws", "player",
        "options", "shots", "enemies", "explosions", "enemyLasers", "lockOnLasers", "optionLasers",
        "ringVolleys", "sweepStreams", "boltVolleys", "boltFans", "bursts"]
lines = [json.loads(line) for line in open(sys.argv[1])]
assert [l["frame"] for l in lines] == [0, 1, 2, 14298, 14299, 14300], "dumped steps"
assert [l["stageClock"] for l in lines] == [1, 2, 3, 14299, 0, 1], "clock"
for l in lines:
    assert list(l.keys()) == KEYS, list(l.keys())
    assert len(l["enemies"]) == 48 and len(l["explosions"]) == 15
    assert len(l["enemyLasers"]) == 45 and len(l["lockOnLasers"]) == 48
    assert [row[0] for row in l["enemyLasers"]] == list(range(3, 48))
    assert all(len(row[5]) == 21 for row in l["enemyLasers"])
    assert len(l["sweepStreams"]) == 48 and l["optionLasers"] == []
    assert l["draws"]["bitmaps"] >= 2
first = lines[0]
assert first["backLayerScroll"] == 0 and first["frontLayerScroll"] == 0, "scroll moved in step 0"
assert first["player"] == [300, 520]
assert first["enemies"][0] == [0, -2550, -3550, 0, 0, 0, 0]
assert lines[1]["backLayerScroll"] > 0
assert lines[4]["stageClock"] == 0 and lines[5]["stageClock"] == 1
print("ok: dump contract,", len(lines), "lines")
PY

# Bad command lines: exit code 2 and a message naming the problem.
expect_usage_error() {  # what the message must say, then the arguments
    local want="$1" code=0
    shift
    "$SIM" "$@" >"$WORK/out.txt" 2>"$WORK/err.txt" || code=$?
    [ "$code" = 2 ] || fail "$* gave exit code $code"
    grep -q -- "$want" "$WORK/err.txt" || fail "$* said: $(cat "$WORK/err.txt")"
    [ -s "$WORK/out.txt" ] && fail "$* printed a dump"
    echo "ok: $* -> $(cat "$WORK/err.txt")"
}
printf '0 down left\n5 sideways left\n' >"$WORK/bad-keys.txt"
expect_usage_error "unknown option" --frobnicate
expect_usage_error "bad frame list item" --dump 1,x,3
expect_usage_error "bad frame count" --frames ten
expect_usage_error "bad-keys.txt:2" --keys "$WORK/bad-keys.txt"
expect_usage_error "cannot read key script" --keys "$WORK/no-such-file.txt"

# A key script is accepted and the run stays deterministic.
printf '# hold left, fire once\n0 down left\n3 down space\n4 up space\n9 up left\n' >"$WORK/keys.txt"
"$SIM" --frames 12 --keys "$WORK/keys.txt" --dump all >"$WORK/k1.jsonl"
"$SIM" --frames 12 --keys "$WORK/keys.txt" --dump all >"$WORK/k2.jsonl"
[ "$(wc -l <"$WORK/k1.jsonl")" = 12 ] || fail "--dump all printed $(wc -l <"$WORK/k1.jsonl") lines"
cmp -s "$WORK/k1.jsonl" "$WORK/k2.jsonl" || fail "key script runs differ"

# A longer script that moves into every corner and fires in bursts, against an independent model.
python3 - "$WORK/play.txt" <<'PY'
import sys
lines, frame = [], 0
for keys, hold in [("left up", 60), ("right", 90), ("down", 50), ("left down", 40), ("up right", 70)]:
    for key in keys.split():
        lines.append(f"{frame} down {key}")
    for shot in range(frame + 2, frame + hold - 2, 3):  # press and release: one volley each
        lines.append(f"{shot} down space")
        lines.append(f"{shot + 1} up space")
    for key in keys.split():
        lines.append(f"{frame + hold} up {key}")
    frame += hold
lines.append(f"{frame} down space")  # held to the end: fires once
open(sys.argv[1], "w").write("\n".join(lines) + "\n")
PY
"$SIM" --frames 400 --keys "$WORK/play.txt" --dump all >"$WORK/play.jsonl"
python3 "$E2E_DIR/fighter_model.py" "$WORK/play.txt" "$WORK/play.jsonl"

# Rendering chosen steps to PNG, from the folder that holds images/.
(cd "$BUILD" && "$SIM" --frames 3 --png 0,2 --out "$WORK")
for f in 0 2; do
    read -r width height mean distinct < <(png_stats "$WORK/frame-$f.png")
    [ "$width" = 600 ] && [ "$height" = 720 ] || fail "frame-$f.png is ${width}x${height}"
    python3 -c "import sys; sys.exit(0 if $mean > 5 and $distinct > 200 else 1)" ||
        fail "frame-$f.png looks empty"
done
[ -e "$WORK/frame-1.png" ] && fail "an unrequested frame was rendered"
echo "PASS: headless runner"
