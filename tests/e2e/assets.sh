#!/usr/bin/env bash
# The asset generator: the same bytes on every run, and sounds of the intended length,
# loudness and peak, without clicks (measured with ffmpeg on the real MP3 files).
# Usage: assets.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"

"$BUILD/gryvel-assets" "$WORK/one"
"$BUILD/gryvel-assets" "$WORK/two"
diff -r "$WORK/one" "$WORK/two" >/dev/null || fail "two runs of the generator differ"
for f in images/back01.png images/jiki1.png sound/bgm01.mp3 sound/Loc2.mp3; do
    cmp -s "$WORK/one/$f" "$BUILD/$f" || fail "$f differs from the build's copy"
done
echo "ok: the generator writes the same bytes on every run"

# name, shortest and longest duration in seconds, loudness target (or - when too short to gate)
while read -r name shortest longest lufs; do
    file="$WORK/one/sound/$name"
    summary="$(ffmpeg -nostdin -hide_banner -nostats -i "$file" -af ebur128=peak=sample -f null - 2>&1 |
        sed -n '/Summary/,$p')"
    integrated="$(grep -E '^\s+I:' <<<"$summary" | awk '{print $2}')"
    peak="$(grep -E '^\s+Peak:' <<<"$summary" | awk '{print $2}')"
    ffmpeg -nostdin -hide_banner -loglevel error -i "$file" -f s16le -ac 2 -ar 44100 "$WORK/$name.raw"
    python3 - "$WORK/$name.raw" "$name" "$shortest" "$longest" "$lufs" "$integrated" "$peak" <<'PY'
import array, sys
path, name, shortest, longest, lufs, integrated, peak = sys.argv[1:]
samples = array.array("h", open(path, "rb").read())
seconds = len(samples) / 2 / 44100
edge = 4  # the first and last 0.1 ms: a sound that starts or stops at full level clicks
start = max(abs(s) for s in samples[:edge * 2]) / 32768
end = max(abs(s) for s in samples[-edge * 2:]) / 32768
print(f"{name}: {seconds:.2f} s, {integrated} LUFS, sample peak {peak} dBFS, "
      f"first/last 0.1 ms peak {start:.4f}/{end:.4f}")
assert float(shortest) <= seconds <= float(longest), f"{name} lasts {seconds:.2f} s"
assert float(peak) < -1.0, f"{name} peaks at {peak} dBFS"
assert start < 0.05 and end < 0.05, f"{name} clicks at an end"
if lufs != "-":
    assert abs(float(integrated) - float(lufs)) <= 1.0, f"{name} is {integrated} LUFS"
PY
done <<'LIST'
bgm01.mp3 80 90 -16
bgm02.mp3 80 90 -16
bgm03.mp3 80 90 -16
bom2.mp3 0.3 1.0 -16
SHOT.mp3 0.05 0.5 -
Loc2.mp3 0.01 0.1 -
LIST
echo "PASS: assets"
