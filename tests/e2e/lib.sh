# Helpers for the end-to-end tests: a private X server, window lookups, PNG pixel checks.
# Sourced by the test scripts; every helper fails the test with a message on error.

set -euo pipefail

E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
WORK="$(mktemp -d /tmp/gryvel-e2e.XXXXXX)"
XVFB_PID=""

cleanup() {
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap cleanup EXIT
# Keep the work folder for a look: GRYVEL_E2E_KEEP=1
[ -n "${GRYVEL_E2E_KEEP:-}" ] && trap - EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on the first free display number and exports DISPLAY. The server counts as ours
# only once its lock file holds its PID: a server of an earlier test may still be going away.
start_x() {
    local n
    for n in $(seq 40 99); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
            XVFB_PID=$!
            export DISPLAY=":$n"
            for _ in $(seq 1 50); do
                kill -0 "$XVFB_PID" 2>/dev/null || break  # lost the race for :$n
                if grep -qw "$XVFB_PID" "/tmp/.X$n-lock" 2>/dev/null &&
                    xdpyinfo >/dev/null 2>&1; then
                    return 0
                fi
                sleep 0.1
            done
            kill "$XVFB_PID" 2>/dev/null || true
            XVFB_PID=""
        fi
    done
    fail "no free X display number"
}

# Makes $WORK/game a fresh copy of the generated assets in $BUILD, readable by every user, for
# a case to break.
fresh_copy() {
    rm -rf "$WORK/game"
    mkdir -p "$WORK/game"
    cp -r "$BUILD/images" "$BUILD/sound" "$WORK/game/"
    chmod -R a+rX "$WORK/game"
}

# Prints the id of the first window whose name matches the regex, waiting up to $2 seconds.
wait_window() {
    local pattern="$1" seconds="${2:-15}" id=""
    for _ in $(seq 1 $((seconds * 10))); do
        id="$(xdotool search --name "$pattern" 2>/dev/null | head -n 1 || true)"
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window named $pattern within $seconds s"
}

# Like wait_window, for a window named exactly $1 as xwininfo prints it. SDL's message box
# names itself in a text encoding that xdotool's name search cannot read.
wait_window_tree() {
    local name="$1" seconds="${2:-15}" id=""
    for _ in $(seq 1 $((seconds * 10))); do
        id="$(xwininfo -root -tree | grep -F "\"$name\"" | grep -o '0x[0-9a-f]*' | head -n 1 || true)"
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    fail "no window named $name within $seconds s"
}

# Waits up to $2 seconds for child process $1 to end and sets EXIT_CODE. (Not in a $(...)
# subshell: only the shell that started the process can collect its exit code.)
EXIT_CODE=""
wait_exit() {
    local pid="$1" seconds="${2:-15}"
    for _ in $(seq 1 $((seconds * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            EXIT_CODE=0
            wait "$pid" || EXIT_CODE=$?
            return 0
        fi
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    fail "process $pid still running after $seconds s"
}

# Saves a screenshot of window $1 as an 8-bit RGB PNG at $2.
screenshot() {
    /usr/bin/import -window "$1" -depth 8 "png24:$2" || fail "screenshot of window $1 failed"
}

# Prints statistics of a PNG: "width height mean distinct" (mean brightness 0..255).
png_stats() {
    python3 "$E2E_DIR/png_stats.py" "$1"
}
