#!/usr/bin/env bash
# The real game under Xvfb, read through its debug trace (GRYVEL_TRACE): losing the focus stops
# the stage clock and regaining it resumes it; a main thread that falls behind slows the game,
# one step per paint; a lost render device is rebuilt whole by the next paint, which draws
# normally. Key presses and a real close throughout. The sanitizer job runs it on its builds.
# Usage: focus_pacing.sh BUILD_DIR   (a build with the test hooks)
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"
TRACE="$WORK/trace.txt"

last_clock() { grep '^paint ' "$TRACE" | tail -n 1 | awk '{print $4}'; }
paint_count() { grep -c '^paint ' "$TRACE" || true; }

# Starts the game with extra environment "$@"; sets GAME and WIN.
start_game() {
    : >"$TRACE"
    (cd "$BUILD" && env SDL_AUDIODRIVER=dummy GRYVEL_TRACE="$TRACE" "$@" ./gryvel) \
        >"$WORK/out.txt" 2>&1 &
    GAME=$!
    WIN="$(wait_window '^KESTRIVAN MORVALENT$')"
}

close_game() {
    xdotool windowclose "$WIN"
    wait_exit "$GAME" 20
    [ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after the close; output: $(cat "$WORK/out.txt")"
}

start_x

# Focus: another window takes it, the clock stops; the game takes it back, the clock runs.
start_game
sleep 1.5
xdotool windowfocus --sync "$WIN"
xdotool keydown --window "$WIN" Left
sleep 0.5
xdotool keyup --window "$WIN" Left
xmessage -geometry 200x50+0+0 "other window" &
OTHER=$!
OTHER_WIN="$(wait_window '^xmessage$')"
xdotool windowfocus --sync "$OTHER_WIN"
sleep 0.5  # let a paint already asked for land
grep -q '^focus lost' "$TRACE" || fail "the game never heard it lost the focus"
frozen="$(last_clock)"
screenshot "$WIN" "$WORK/inactive-1.png"
sleep 1.5
screenshot "$WIN" "$WORK/inactive-2.png"
[ "$(last_clock)" = "$frozen" ] || fail "the clock ran while inactive: $frozen -> $(last_clock)"
cmp -s "$WORK/inactive-1.png" "$WORK/inactive-2.png" || fail "the picture changed while inactive"
echo "ok: inactive for 1.5 s, clock held at $frozen, screenshots identical"
xdotool windowfocus --sync "$WIN"
sleep 1.5
resumed="$(last_clock)"
[ "$resumed" -gt $((frozen + 20)) ] || fail "the clock did not resume: $frozen -> $resumed"
echo "ok: focus regained, clock $frozen -> $resumed in 1.5 s"
xdotool keydown --window "$WIN" space
sleep 0.2
xdotool keyup --window "$WIN" space
kill "$OTHER" 2>/dev/null || true
close_game

# Pacing: each paint takes 100 ms longer, so at most about ten steps a second, and every paint
# is one step: the clock after paint N is N.
start_game GRYVEL_TEST_PAINT_DELAY_MS=100
sleep 3
close_game
paints="$(paint_count)"
[ "$paints" -ge 10 ] && [ "$paints" -le 45 ] || fail "$paints paints in about 3 s with 100 ms each"
awk '/^paint / && $2 != $4 { bad = 1; print "paint " $2 " left the clock at " $4 } END { exit bad }' \
    "$TRACE" || fail "a paint ran other than one step"
echo "ok: slow main thread: $paints paints, each one step"

# Device loss: every 15th paint's renderer reports itself lost. Each loss is followed by one
# rebuild, and the frames after it show the stage as before.
start_game GRYVEL_TEST_DEVICE_LOSS_EVERY=15
sleep 6
screenshot "$WIN" "$WORK/after-loss.png"
close_game
losses="$(grep -c '^device lost' "$TRACE" || true)"
made="$(grep -c '^device resources made' "$TRACE" || true)"
[ "$losses" -ge 5 ] || fail "only $losses device losses"
[ "$made" -ge "$losses" ] && [ "$made" -le $((losses + 1)) ] ||
    fail "$losses losses but $made device builds"
read -r width height mean distinct < <(png_stats "$WORK/after-loss.png")
python3 -c "import sys; sys.exit(0 if 5 < $mean < 120 and $distinct > 200 else 1)" ||
    fail "the stage is not drawn after device losses (mean $mean, $distinct colours)"
python3 "$E2E_DIR/fighter_probe.py" "$WORK/after-loss.png" >/dev/null ||
    fail "no fighter drawn after device losses"
echo "ok: $losses device losses, $made builds, the stage drawn after them (mean $mean, $distinct colours)"
