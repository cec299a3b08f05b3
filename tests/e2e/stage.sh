#!/usr/bin/env bash
# The real game mid-stage under a real X server: enemies, the sight, green lasers and bursts.
# Usage: stage.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"

start_x
cd "$BUILD"
SDL_AUDIODRIVER=dummy ./gryvel >"$WORK/out.txt" 2>&1 &
GAME=$!
WIN="$(wait_window '^KESTRIVAN MORVALENT$')"

# Triple 1 arrives from frame 500 (about 17 s in) and the lasers destroy it over the next ones.
sleep 17
found=""
for shot in 1 2 3 4 5 6 7 8; do
    screenshot "$WIN" "$WORK/stage-$shot.png"
    read -r lasers sight enemies debris < <(python3 "$E2E_DIR/stage_probe.py" "$WORK/stage-$shot.png")
    echo "screenshot $shot: laser $lasers, sight $sight, enemy $enemies, debris $debris pixels"
    if [ "$lasers" -gt 100 ] && [ "$sight" -gt 100 ] && [ "$enemies" -gt 500 ] && [ "$debris" -gt 100 ]; then
        found="$shot"
        break
    fi
    sleep 1.5
done
xdotool windowclose "$WIN"
wait_exit "$GAME" 10
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
[ -n "$found" ] || fail "no screenshot showed enemies, the sight, lasers and a burst together"
cp "$WORK/stage-$found.png" "$BUILD/e2e-stage.png"
echo "PASS: mid-stage screenshot $found shows enemies, sight, lasers and bursts (build/e2e-stage.png)"
