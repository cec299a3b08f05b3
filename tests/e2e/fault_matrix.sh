#!/usr/bin/env bash
# Every broken data file we can think of, each in a fresh copy of the game's folder, the game
# started without a display: the right message and the path on standard error, exit code 0,
# no crash, no hang; under the sanitizer build also no leak (LeakSanitizer fails the exit code).
# Prints the matrix as a table and leaves it in BUILD_DIR/fault-matrix.md.
# Usage: fault_matrix.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"
BROKEN="python3 $E2E_DIR/broken_files.py"

IMAGE_MESSAGE="画像ファイルが開けません"
SOUND_MESSAGE="サウンドファイルが開けません"
NO_WINDOW="cannot open the window"
SOUNDS=(bgm01:bgm001 bgm02:bgm002 bgm03:bgm003 bom2:hit SHOT:pow Loc2:loc)
TABLE="$WORK/table.md"
printf '| case | message | standard error | exit | peak RSS |\n|---|---|---|---|---|\n' >"$TABLE"

# The game runs as an unprivileged user so that file permissions count (root reads anything).
RUNNER=()
if [ "$(id -u)" = 0 ]; then RUNNER=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi
chmod 755 "$WORK"

# run_case NAME MESSAGE PATH [LOADED]: runs the game in $WORK/game and checks the outcome.
# LOADED, for sound cases: how many sounds must have loaded before the failure.
run_case() {
    local name="$1" message="$2" path="$3" loaded="${4:-}" code=0
    chmod 755 "$WORK/game" 2>/dev/null || true
    : >"$WORK/trace.txt"
    chmod 666 "$WORK/trace.txt"
    (cd "$WORK/game" && env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy \
        GRYVEL_TRACE="$WORK/trace.txt" /usr/bin/time -f '%M' -o "$WORK/rss.txt" \
        timeout 30 "${RUNNER[@]}" "$BUILD/gryvel") >"$WORK/stdout.txt" 2>"$WORK/stderr.txt" ||
        code=$?
    local reason rss
    reason="$(grep '^gryvel: ' "$WORK/stderr.txt" | grep -v 'playing silently' | head -n 1 || true)"
    rss="$(($(tail -n 1 "$WORK/rss.txt") / 1024)) MB"
    [ "$code" = 0 ] || fail "$name: exit code $code; stderr: $(cat "$WORK/stderr.txt")"
    grep -q "$message" "$WORK/stderr.txt" || fail "$name: no '$message'; stderr: $(cat "$WORK/stderr.txt")"
    grep -qF "$path" <<<"$reason" || fail "$name: '$path' not named; stderr: $(cat "$WORK/stderr.txt")"
    if [ -n "$loaded" ]; then
        local count
        count="$(grep -c '^sound loaded' "$WORK/trace.txt" || true)"
        [ "$count" = "$loaded" ] || fail "$name: $count sounds loaded before the failure, not $loaded"
    fi
    printf '| %s | %s | `%s` | %s | %s |\n' "$name" "$message" "$reason" "$code" "$rss" >>"$TABLE"
    echo "ok: $name: $reason (exit $code, $rss)"
}

# Each image, each way of breaking it.
for image in back01 jiki1; do
    file="images/$image.png"
    good="$BUILD/$file"
    size="$(stat -c %s "$good")"
    fresh_copy; rm "$WORK/game/$file"
    run_case "$image.png missing" "$IMAGE_MESSAGE" "$file"
    fresh_copy; : >"$WORK/game/$file"
    run_case "$image.png empty" "$IMAGE_MESSAGE" "$file"
    for cut in 8 33 4096 $((size / 2)) $((size - 200)); do
        fresh_copy; $BROKEN truncate "$WORK/game/$file" "$good" "$cut"
        run_case "$image.png cut at byte $cut of $size" "$IMAGE_MESSAGE" "$file"
    done
    fresh_copy; $BROKEN corrupt-chunk "$WORK/game/$file" "$good"
    run_case "$image.png with a corrupt IDAT chunk" "$IMAGE_MESSAGE" "$file"
    for dims in "100000 100000" "16384 4096" "4096 16384"; do
        fresh_copy; $BROKEN huge-header "$WORK/game/$file" $dims
        run_case "$image.png header claiming ${dims/ / x }" "$IMAGE_MESSAGE" "$file"
        [ "$(tail -n 1 "$WORK/rss.txt")" -lt $((400 * 1024)) ] ||
            fail "$image.png ${dims}: $(tail -n 1 "$WORK/rss.txt") kB resident: allocated for the claim"
    done
    fresh_copy; /usr/bin/convert "$good" "jpeg:$WORK/game/$file"
    run_case "$image.png a JPEG inside" "$IMAGE_MESSAGE" "$file"
    fresh_copy; rm "$WORK/game/$file"; mkdir "$WORK/game/$file"
    run_case "$image.png a directory" "$IMAGE_MESSAGE" "$file"
    if [ ${#RUNNER[@]} -gt 0 ]; then
        fresh_copy; chmod 000 "$WORK/game/$file"
        run_case "$image.png without read permission" "$IMAGE_MESSAGE" "$file"
    fi
done

# Each sound, each way of breaking it; the sounds before it must have loaded.
for index in "${!SOUNDS[@]}"; do
    stem="${SOUNDS[$index]%%:*}"
    file="sound/$stem.mp3"
    good="$BUILD/$file"
    fresh_copy; rm "$WORK/game/$file"
    run_case "$stem.mp3 missing" "$SOUND_MESSAGE" "$file" "$index"
    fresh_copy; : >"$WORK/game/$file"
    run_case "$stem.mp3 empty" "$SOUND_MESSAGE" "$file" "$index"
    fresh_copy; $BROKEN random "$WORK/game/$file" 20000
    run_case "$stem.mp3 random bytes" "$SOUND_MESSAGE" "$file" "$index"
    fresh_copy; $BROKEN truncate "$WORK/game/$file" "$good" 200
    run_case "$stem.mp3 cut at byte 200" "$SOUND_MESSAGE" "$file" "$index"
    fresh_copy; rm "$WORK/game/$file"; mkdir "$WORK/game/$file"
    run_case "$stem.mp3 a directory" "$SOUND_MESSAGE" "$file" "$index"
    if [ ${#RUNNER[@]} -gt 0 ]; then
        fresh_copy; chmod 000 "$WORK/game/$file"
        run_case "$stem.mp3 without read permission" "$SOUND_MESSAGE" "$file" "$index"
    fi
done

# A WAV named .mp3 is still a sound the mixer can play: it loads, like a real MP3, and the start
# goes on to the window (none here).
fresh_copy; $BROKEN wav "$WORK/game/sound/bom2.mp3"
run_case "bom2.mp3 a WAV inside (plays)" "$NO_WINDOW" "window" 6

# The sound folder missing altogether: the first sound fails, nothing loaded.
fresh_copy; rm -rf "$WORK/game/sound"
run_case "sound folder missing" "$SOUND_MESSAGE" "sound/bgm01.mp3" 0

# Every file good, no display at all: the reason on standard error, exit code 0.
fresh_copy
run_case "no display" "$NO_WINDOW" "window" 6

cat "$TABLE"
cp "$TABLE" "$BUILD/fault-matrix.md"
