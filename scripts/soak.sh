#!/usr/bin/env bash
# Soak runs, by hand (they take a while; CI does not run them). From a built tree:
#   bash scripts/soak.sh [MINUTES] [sim|game]   (default 10 minutes, both parts)
# 1. Ten laps of gryvel-sim rendering every step with a key script that moves and fires:
#    resident memory and open files after each lap; both must stay flat after the first lap.
# 2. The real game under Xvfb for MINUTES with scripted play (moves and volleys every second):
#    memory sampled each minute must stay flat, and it must still answer a close at the end.
set -euo pipefail

MINUTES="${1:-10}"
PARTS="${2:-sim game}"
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$ROOT/build"
WORK="$(mktemp -d /tmp/gryvel-soak.XXXXXX)"
XVFB_PID=""
trap 'kill $XVFB_PID 2>/dev/null || true; [ -n "${SOAK_KEEP:-}" ] || rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [[ "$PARTS" == *sim* ]]; then
awk 'BEGIN { for (f = 0; f < 143000; f++) {
    if (f % 4 == 0) print f, "down space"; else if (f % 4 == 2) print f, "up space"
    if (f % 240 == 0) { h = (f / 240) % 2; print f, "up", (h ? "right" : "left");
                        print f, "down", (h ? "left" : "right") } } }' >"$WORK/keys.txt"
(cd "$BUILD" && ./gryvel-sim --soak --frames 143000 --keys "$WORK/keys.txt") 2>&1 |
    tee "$WORK/laps.txt"
awk '/^lap/ { rss = $4; fds = $8; if ($2 == "1:") { first = rss; firstFds = fds }
     else if (rss > first + 2 || fds != firstFds) bad = 1 }
     END { exit bad }' "$WORK/laps.txt" || fail "memory or open files grew after the first lap"
echo "ok: ten rendered laps, memory and open files flat after the first"
fi
[[ "$PARTS" == *game* ]] || exit 0

Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=:97
sleep 1
(cd "$BUILD" && SDL_AUDIODRIVER=dummy GRYVEL_TRACE="$WORK/trace.txt" ./gryvel) >"$WORK/out.txt" 2>&1 &
GAME=$!
sleep 3
WIN="$(xdotool search --name '^KESTRIVAN MORVALENT$' | head -n 1)"
[ -n "$WIN" ] || fail "no game window"
end=$((SECONDS + MINUTES * 60))
next_sample=$((SECONDS + 60))
minute=0
while [ "$SECONDS" -lt "$end" ]; do
    key=$([ $((SECONDS / 4 % 2)) = 0 ] && echo Left || echo Right)
    # A lost key event only makes the play less busy; the paint count checks responsiveness.
    xdotool keydown --window "$WIN" "$key" space 2>/dev/null || true
    sleep 0.3
    xdotool keyup --window "$WIN" "$key" space 2>/dev/null || true
    sleep 0.7
    if [ "$SECONDS" -ge "$next_sample" ]; then
        minute=$((minute + 1))
        rss="$(awk '/VmRSS/ {print $2}' "/proc/$GAME/status")"
        paints="$(grep -c '^paint' "$WORK/trace.txt")"
        echo "minute $minute: resident $((rss / 1024)) MB, $paints paints" | tee -a "$WORK/minutes.txt"
        next_sample=$((next_sample + 60))
    fi
done
xdotool windowclose "$WIN"
for _ in $(seq 1 50); do kill -0 "$GAME" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME" 2>/dev/null && fail "the game did not close within 5 s"
wait "$GAME" || fail "exit code $? after the close"
awk '{ rss = $4; paints = $6; if (NR == 1) first = rss; else if (rss > first + 2) bad = 1
       if (paints - last < 1500) slow = 1; last = paints }
     END { exit bad + 2 * slow }' "$WORK/minutes.txt" || fail "memory grew, or the game fell behind"
echo "ok: $MINUTES minutes of play, memory flat, closed cleanly"
