#!/usr/bin/env bash
# The real game in a real X server: its window, what it draws, keys, the music it plays and a
# real close.
# Usage: window.sh BUILD_DIR (the folder holding gryvel and the generated images/ and sound/).
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"

start_x
cd "$BUILD"
# SDL's disk driver records the mixed output, so the test hears what a player would.
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/audio.raw" ./gryvel >"$WORK/out.txt" 2>&1 &
GAME=$!
WIN="$(wait_window '^KESTRIVAN MORVALENT$')"

geometry="$(xdotool getwindowgeometry "$WIN")"
echo "$geometry"
grep -q 'Geometry: 600x720' <<<"$geometry" || fail "window is not 600 x 720: $geometry"
# No window manager here: no frames, so the window is centred on the 1280 x 1024 screen.
grep -q 'Position: 340,152' <<<"$geometry" || fail "window is not centred: $geometry"
xprop -id "$WIN" WM_CLASS | grep -q '"__QZ_DX2DDEMO_WINDOW"' || fail "wrong window class"
xprop -id "$WIN" WM_NORMAL_HINTS | grep -q 'program specified minimum size: 600 by 720' ||
    fail "window is resizable"

# The lap opens under the cover picture for 100 frames (3.3 s); then the stage shows.
sleep 5
screenshot "$WIN" "$WORK/start.png"
read -r width height mean distinct < <(png_stats "$WORK/start.png")
echo "screenshot ${width}x${height}, mean brightness $mean, $distinct colours"
[ "$width" = 600 ] && [ "$height" = 720 ] || fail "screenshot is ${width}x${height}"
python3 -c "import sys; sys.exit(0 if 5 < $mean < 120 and $distinct > 200 else 1)" ||
    fail "the stage is not drawn (mean $mean, $distinct colours)"
python3 "$E2E_DIR/fighter_probe.py" "$WORK/start.png" >"$WORK/before.txt" ||
    fail "no fighter in the first screenshot"
echo "before: $(cat "$WORK/before.txt")"

# Hold left for a second, then fire: the fighter has moved and green shots fly above it.
xdotool keydown --window "$WIN" Left
sleep 1
xdotool keyup --window "$WIN" Left
# A press released before the next step is never seen: hold space across several steps (one
# volley all the same) and look while it is held.
xdotool keydown --window "$WIN" space
sleep 0.4
screenshot "$WIN" "$WORK/moved.png"
xdotool keyup --window "$WIN" space
python3 "$E2E_DIR/fighter_probe.py" "$WORK/moved.png" >"$WORK/after.txt" ||
    fail "no fighter in the second screenshot"
echo "after: $(cat "$WORK/after.txt")"
read -r x0 _ _ <"$WORK/before.txt"
read -r x1 _ pairs <"$WORK/after.txt"
python3 -c "import sys; sys.exit(0 if $x1 < $x0 - 100 else 1)" || fail "the fighter did not move left"
[ "$pairs" -gt 0 ] || fail "no pair of green shot lines above the fighter"

xdotool windowclose "$WIN"
wait_exit "$GAME" 10
code="$EXIT_CODE"
cat "$WORK/out.txt"
[ "$code" = 0 ] || fail "exit code $code after closing the window"

# The first track starts on frame 10 (a third of a second in) and plays on; before it, silence.
python3 - "$WORK/audio.raw" <<'PY'
import array, sys
samples = array.array("h", open(sys.argv[1], "rb").read())
rate = 44100 * 2  # stereo
loud = [i for i, s in enumerate(samples) if abs(s) > 500]
assert loud, "the recording is silent"
start = loud[0] / rate
total = len(samples) / rate
after = samples[loud[0]:loud[0] + 3 * rate]  # the opening bars fade in
energy = sum(abs(s) for s in after) / len(after)
print(f"audio: {total:.1f} s recorded, music from {start:.2f} s, mean level {energy:.0f} after")
assert 0.2 < start < 2.5, f"music started at {start:.2f} s"
assert energy > 150, "the music is too quiet"
PY
echo "PASS: window, stage, keys, music and close"
