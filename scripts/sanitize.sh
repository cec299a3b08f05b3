#!/usr/bin/env bash
# Sanitizer runs, as CI does them. Each builds in its own folder beside build/.
#   bash scripts/sanitize.sh address   AddressSanitizer + UndefinedBehaviorSanitizer: every test,
#                                      then three laps of gryvel-sim under each rule set with a
#                                      key script that moves and fires throughout
#   bash scripts/sanitize.sh thread    ThreadSanitizer: the real game under Xvfb with focus
#                                      changes, key presses, a slow paint, device losses, closes
set -euo pipefail

MODE="${1:-}"
ROOT="$(cd "$(dirname "$0")/.." && pwd)"

# Any report fails the run; leaks inside system libraries' caches are listed in lsan.supp.
export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
export TSAN_OPTIONS="halt_on_error=1:exitcode=66:second_deadlock_stack=1:suppressions=$ROOT/tests/tsan.supp"

configure_and_build() {  # folder, sanitizers, tests ON|OFF, targets...
    local folder="$1" sanitizers="$2" tests="$3"
    shift 3
    cmake -S "$ROOT" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRYVEL_TESTS="$tests" \
        -DGRYVEL_TEST_HOOKS=ON -DGRYVEL_SANITIZE="$sanitizers" >/dev/null
    cmake --build "$folder" -j "$(nproc)" "$@"
}

case "$MODE" in
    address)
        BUILD="$ROOT/build-asan"
        configure_and_build "$BUILD" "address,undefined" ON
        ctest --test-dir "$BUILD" --output-on-failure -j 2 --timeout 900
        # Fires every fourth step while sweeping left and right, and up and down.
        KEYS="$BUILD/busy-keys.txt"
        awk 'BEGIN {
            for (f = 0; f < 42900; f++) {
                if (f % 4 == 0) print f, "down space"; else if (f % 4 == 2) print f, "up space"
                if (f % 240 == 0) { h = (f / 240) % 2; print f, "up", (h ? "right" : "left");
                                    print f, "down", (h ? "left" : "right") }
                if (f % 700 == 0) { v = (f / 700) % 2; print f, "up", (v ? "down" : "up");
                                    print f, "down", (v ? "up" : "down") }
            } }' >"$KEYS"
        for rules in lockon shothit; do
            (cd "$BUILD" && ./gryvel-sim --rules "$rules" --frames 42900 --keys "$KEYS")
            echo "three laps under $rules: clean"
        done
        ;;
    thread)
        BUILD="$ROOT/build-tsan"
        configure_and_build "$BUILD" "thread" OFF --target gryvel assets
        bash "$ROOT/tests/e2e/focus_pacing.sh" "$BUILD"
        echo "ThreadSanitizer: clean"
        ;;
    *)
        echo "usage: $0 address|thread" >&2
        exit 2
        ;;
esac
