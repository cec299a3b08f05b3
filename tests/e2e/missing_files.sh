#!/usr/bin/env bash
# Broken or missing files give the game's message and exit code 0, and never a crash.
# Usage: missing_files.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"
GAME="$BUILD/gryvel"

IMAGE_MESSAGE="画像ファイルが開けません"
SOUND_MESSAGE="サウンドファイルが開けません"

# Runs the game without a display in folder $1; prints its exit code, keeps its stderr.
run_headless() {
    local code=0
    (cd "$1" && env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy timeout 20 "$GAME") \
        >"$WORK/stdout.txt" 2>"$WORK/stderr.txt" || code=$?
    echo "$code"
}

expect_message() {  # case name, message, path the reason must name
    local code="$1" name="$2" message="$3" path="$4"
    [ "$code" = 0 ] || fail "$name: exit code $code"
    grep -q "$message" "$WORK/stderr.txt" || fail "$name: no message; stderr: $(cat "$WORK/stderr.txt")"
    grep -q "$path" "$WORK/stderr.txt" || fail "$name: $path not named; stderr: $(cat "$WORK/stderr.txt")"
    echo "ok: $name: $(grep -v "^D2D" "$WORK/stderr.txt" | head -n 1)"
}

mkdir -p "$WORK/empty"
# An audio driver that cannot open falls back to silence and the start goes on to the files.
code=0
(cd "$WORK/empty" && env -u DISPLAY SDL_AUDIODRIVER=nosuchdriver timeout 20 "$GAME") \
    >/dev/null 2>"$WORK/stderr.txt" || code=$?
expect_message "$code" "no audio device" "$IMAGE_MESSAGE" "images/back01.png"
grep -q "playing silently" "$WORK/stderr.txt" || fail "no word of the silent fallback"

expect_message "$(run_headless "$WORK/empty")" "empty folder" "$IMAGE_MESSAGE" "images/back01.png"
grep -q "jiki1" "$WORK/stderr.txt" && fail "the second image was tried after the first failed"

fresh_copy
head -c 5000 "$BUILD/images/back01.png" >"$WORK/game/images/back01.png"
expect_message "$(run_headless "$WORK/game")" "truncated background" "$IMAGE_MESSAGE" "back01.png"

fresh_copy
echo "not a picture" >"$WORK/game/images/jiki1.png"
expect_message "$(run_headless "$WORK/game")" "sprite sheet not a PNG" "$IMAGE_MESSAGE" "jiki1.png"

fresh_copy
rm "$WORK/game/sound/bom2.mp3"
expect_message "$(run_headless "$WORK/game")" "fourth sound missing" "$SOUND_MESSAGE" "sound/bom2.mp3"

fresh_copy
echo "not a sound" >"$WORK/game/sound/Loc2.mp3"
expect_message "$(run_headless "$WORK/game")" "undecodable sound" "$SOUND_MESSAGE" "sound/Loc2.mp3"

# With a display, the message is a box captioned D2Dデモ and no game window ever opens.
start_x
(cd "$WORK/empty" && SDL_AUDIODRIVER=dummy "$GAME") >"$WORK/box.txt" 2>&1 &
PID=$!
# Generous: a sanitizer build on a busy machine can take a while to open its first X window.
BOX="$(wait_window_tree 'D2Dデモ' 45 || { echo "game output: $(cat "$WORK/box.txt")" >&2; exit 1; })"
xdotool search --name '^KESTRIVAN MORVALENT$' >/dev/null 2>&1 && fail "a game window opened"
xdotool key --window "$BOX" Return
wait_exit "$PID" 10
    code="$EXIT_CODE"
[ "$code" = 0 ] || fail "message box case: exit code $code"
echo "ok: message box shown and dismissed, exit 0"

# Images far smaller than the game expects: it runs and draws what there is.
fresh_copy
python3 - "$WORK/game/images" <<'PY'
import struct, sys, zlib
def png(path, w, h):
    raw = b"".join(b"\x00" + b"\x40\x80\xc0\xff" * w for _ in range(h))
    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))
png(sys.argv[1] + "/back01.png", 100, 50)
png(sys.argv[1] + "/jiki1.png", 20, 10)
PY
(cd "$WORK/game" && SDL_AUDIODRIVER=dummy "$GAME") >"$WORK/small.txt" 2>&1 &
PID=$!
WIN="$(wait_window '^KESTRIVAN MORVALENT$')"
sleep 2
kill -0 "$PID" 2>/dev/null || fail "the game died with small images: $(cat "$WORK/small.txt")"
xdotool windowclose "$WIN"
wait_exit "$PID" 10
    code="$EXIT_CODE"
[ "$code" = 0 ] || fail "small images: exit code $code"
echo "ok: small images run and close with 0"
echo "PASS: missing and broken files"
