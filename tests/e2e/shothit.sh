#!/usr/bin/env bash
# The shot-hit program in a real X server: firing destroys enemies, and the options' green
# ribbons climb the field.
# Usage: shothit.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"

start_x
cd "$BUILD"
SDL_AUDIODRIVER=dummy ./gryvel-shothit >"$WORK/out.txt" 2>&1 &
GAME=$!
WIN="$(wait_window '^KESTRIVAN MORVALENT$')"

# The fighters come down from frame 100 (3.3 s): fire a volley every 0.2 s into them.
sleep 4
found=""
for round in $(seq 1 12); do
    for _ in 1 2 3 4 5; do
        xdotool keydown --window "$WIN" space
        sleep 0.1
        xdotool keyup --window "$WIN" space
        sleep 0.1
    done
    screenshot "$WIN" "$WORK/shot-$round.png"
    read -r ribbons _ _ debris < <(python3 "$E2E_DIR/stage_probe.py" "$WORK/shot-$round.png")
    echo "screenshot $round: green ribbon $ribbons, debris $debris pixels"
    if [ "$ribbons" -gt 300 ] && [ "$debris" -gt 200 ]; then
        found="$round"
        break
    fi
done
xdotool windowclose "$WIN"
wait_exit "$GAME" 10
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE"
[ -n "$found" ] || fail "no screenshot showed bursts and the option ribbons"
cp "$WORK/shot-$found.png" "$BUILD/e2e-shothit.png"
echo "PASS: shots destroy enemies under the shot-hit rules (build/e2e-shothit.png)"
