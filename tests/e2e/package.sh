#!/usr/bin/env bash
# The Debian package as a player gets it: cpack builds the .deb, dpkg installs it, the game
# starts from its menu entry's command in a fresh X server (from another folder, as a menu
# would start it), shows its window and closes; then the package is removed without a trace.
# Installs system-wide, so it needs root; it skips otherwise, or with GRYVEL_SKIP_PACKAGE_TEST=1.
# Usage: package.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
BUILD="$(cd "$1" && pwd)"

if [ "$(id -u)" != 0 ] || [ -n "${GRYVEL_SKIP_PACKAGE_TEST:-}" ]; then
    echo "skipped: installing a package needs root"
    exit 77
fi
dpkg -s gryvel >/dev/null 2>&1 && fail "a gryvel package is already installed; remove it first"

(cd "$BUILD" && cpack -G DEB -B "$WORK/package" >"$WORK/cpack.txt" 2>&1) ||
    fail "cpack failed: $(cat "$WORK/cpack.txt")"
DEB="$(ls "$WORK"/package/gryvel_*.deb)"
depends="$(dpkg-deb -f "$DEB" Depends)"
echo "Depends: $depends"
for needed in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libpangocairo-1.0-0 libpng16-16 fonts-noto-cjk; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

remove_package() { dpkg -r gryvel >/dev/null 2>&1 || true; }
trap 'remove_package; cleanup' EXIT
dpkg -i "$DEB" >"$WORK/dpkg.txt" 2>&1 || fail "dpkg -i failed: $(cat "$WORK/dpkg.txt")"
for path in /usr/games/gryvel /usr/games/gryvel-shothit /usr/lib/games/gryvel/gryvel \
    /usr/share/games/gryvel/images/back01.png /usr/share/games/gryvel/sound/bgm01.mp3 \
    /usr/share/applications/gryvel.desktop /usr/share/icons/hicolor/256x256/apps/gryvel.png \
    /usr/share/metainfo/io.github.gryvel.metainfo.xml /usr/share/man/man6/gryvel.6; do
    [ -e "$path" ] || fail "$path not installed"
done
echo "ok: installed $(basename "$DEB")"

# The menu's command, run as a desktop would: from the home folder, /usr/games on the PATH.
EXEC="$(sed -n 's/^Exec=//p' /usr/share/applications/gryvel.desktop | head -n 1)"
[ -n "$EXEC" ] || fail "no Exec line in the menu entry"
start_x
(cd / && env PATH=/usr/local/bin:/usr/bin:/bin:/usr/games SDL_AUDIODRIVER=dummy sh -c "$EXEC") \
    >"$WORK/game.txt" 2>&1 &
GAME=$!
WIN="$(wait_window '^KESTRIVAN MORVALENT$')"
sleep 5
screenshot "$WIN" "$WORK/installed.png"
cp "$WORK/installed.png" "$BUILD/e2e-package.png"
read -r width height mean distinct < <(png_stats "$WORK/installed.png")
python3 -c "import sys; sys.exit(0 if 5 < $mean < 120 and $distinct > 200 else 1)" ||
    fail "the installed game draws no stage (mean $mean, $distinct colours)"
python3 "$E2E_DIR/fighter_probe.py" "$WORK/installed.png" >/dev/null || fail "no fighter drawn"
xdotool windowclose "$WIN"
wait_exit "$GAME" 15
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE: $(cat "$WORK/game.txt")"
echo "ok: '$EXEC' from / showed the stage (mean $mean, $distinct colours) and closed with 0"

dpkg -r gryvel >"$WORK/remove.txt" 2>&1 || fail "dpkg -r failed: $(cat "$WORK/remove.txt")"
for path in /usr/games/gryvel /usr/lib/games/gryvel /usr/share/games/gryvel \
    /usr/share/applications/gryvel.desktop /usr/share/icons/hicolor/256x256/apps/gryvel.png; do
    [ ! -e "$path" ] || fail "$path left behind after removal"
done
echo "ok: removed cleanly"
