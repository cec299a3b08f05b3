#!/usr/bin/env bash
# A desktop scaled 2x: Weston (nested in Xvfb, output scale 2) with SDL on Wayland. The window
# keeps its 600 x 720 size while the game draws 1200 x 1440 pixels; the game itself is
# unchanged, which the runner shows by dumping the same run at both densities.
# Usage: hidpi.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"
command -v weston >/dev/null || fail "weston is not installed"

start_x
export XDG_RUNTIME_DIR="$WORK/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --width=1400 --height=1600 --scale=2 \
    --socket=gryvel-test --no-config --idle-time=0 >"$WORK/weston.log" 2>&1 &
WESTON=$!
trap 'kill $WESTON 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 1 50); do [ -e "$XDG_RUNTIME_DIR/gryvel-test" ] && break; sleep 0.1; done
[ -e "$XDG_RUNTIME_DIR/gryvel-test" ] || fail "weston did not start: $(cat "$WORK/weston.log")"

# Here the frames reach the screen through Mesa's GL, whose driver is unloaded at exit: a leak
# checker cannot name what it leaves behind, so this run alone goes without one (the other tests
# check the game's own memory).
(cd "$BUILD" && env -u DISPLAY WAYLAND_DISPLAY=gryvel-test SDL_VIDEODRIVER=wayland \
    SDL_AUDIODRIVER=dummy GRYVEL_TRACE="$WORK/trace.txt" \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" ./gryvel) >"$WORK/out.txt" 2>&1 &
GAME=$!
for _ in $(seq 1 100); do grep -q '^device resources made' "$WORK/trace.txt" 2>/dev/null && break; sleep 0.1; done
made="$(grep '^device resources made' "$WORK/trace.txt" | head -n 1)"
echo "$made"
[ "$made" = "device resources made: 1200 x 1440 pixels" ] ||
    fail "not drawn at the screen's density: '$made'; output: $(cat "$WORK/out.txt")"
sleep 5
paints="$(grep -c '^paint' "$WORK/trace.txt")"
[ "$paints" -gt 20 ] || fail "only $paints paints in 5 s"
/usr/bin/import -window root -depth 8 "png24:$BUILD/e2e-hidpi.png" || true  # Weston's window
kill -TERM "$GAME"
wait_exit "$GAME" 15
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after SIGTERM"
echo "ok: $paints paints at 1200 x 1440 under a 2x Wayland output, exit 0"

# The runner renders the same steps at density 1 and 2: the dumps are identical, byte for byte,
# and the frames have 600 x 720 and 1200 x 1440 pixels.
cd "$BUILD"
one="$(./gryvel-sim --frames 400 --soak --dump all | sha256sum)"
two="$(./gryvel-sim --frames 400 --soak --density 2 --dump all | sha256sum)"
[ "$one" = "$two" ] || fail "the dumps differ between densities"
./gryvel-sim --frames 201 --density 2 --png 200 --out "$WORK" >/dev/null
read -r width height _ _ < <(png_stats "$WORK/frame-200.png")
[ "$width" = 1200 ] && [ "$height" = 1440 ] || fail "density 2 frame is ${width}x${height}"
echo "ok: dumps identical at densities 1 and 2 (${one%% *}), frame ${width}x${height}"
