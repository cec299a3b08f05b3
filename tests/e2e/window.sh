#!/usr/bin/env bash
# The real game in a real X server: its window, what it draws, and a real close.
# Usage: window.sh BUILD_DIR (the folder holding gryvel and the generated images/ and sound/).
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"

start_x
cd "$BUILD"
# No audio driver named: on a machine without a sound card this also runs the silent fallback.
env -u SDL_AUDIODRIVER ./gryvel >"$WORK/out.txt" 2>&1 &
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

sleep 3
screenshot "$WIN" "$WORK/shot.png"
read -r width height mean distinct < <(png_stats "$WORK/shot.png")
echo "screenshot ${width}x${height}, mean brightness $mean, $distinct colours"
[ "$width" = 600 ] && [ "$height" = 720 ] || fail "screenshot is ${width}x${height}"
# The background layers: a dark starfield with many shades, not a black or flat window.
python3 -c "import sys; sys.exit(0 if 5 < $mean < 120 and $distinct > 200 else 1)" ||
    fail "the background is not drawn (mean $mean, $distinct colours)"

xdotool windowclose "$WIN"
wait_exit "$GAME" 10
    code="$EXIT_CODE"
cat "$WORK/out.txt"
[ "$code" = 0 ] || fail "exit code $code after closing the window"
echo "PASS: window, background and close"
