#!/usr/bin/env bash
# The real program's ends: every polite signal and a lost display save the givens; a second start for
# the same save file brings the running window to the front and ends; the lock of a killed copy is
# taken over. The program runs in place from a folder of its own, so Default.dat lies beside it.
set -u
# Job control: without it a shell starts background programs with SIGINT and SIGQUIT ignored.
set -m
program=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
chmod 755 "$work"
running=()
cleanup() {
    for pid in "${running[@]}"; do kill -KILL "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
cp "$program" "$work/dodoru" || exit 1
save=$work/Default.dat
# As root the program keeps its files beside it too; the user nobody could not run it from here.

# Waits (up to a minute) for a condition; false if it never holds.
await() { for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done; return 1; }
exists() { [ -e "$1" ]; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# Starts the program with no save file and waits until its start-up created one (past the lock, with
# the signal handlers in place). Sets $pid.
start() {
    rm -f "$save"
    "$work/dodoru" "$@" >"$work/out" 2>"$work/err" &
    pid=$!
    running+=("$pid")
    await exists "$save" || { fail "the program did not start: $(cat "$work/err")"; return 1; }
}
# 81 bytes: the close wrote the (empty) board; 0 bytes: nothing was saved since the start.
saved_size() { stat -c %s "$save"; }

export QT_QPA_PLATFORM=offscreen
for signal in TERM HUP INT QUIT; do
    start || continue
    kill -s "$signal" "$pid"
    await gone "$pid" || fail "SIG$signal did not end the program"
    [ "$(saved_size)" = 81 ] || fail "SIG$signal ended without the save ($(saved_size) bytes)"
done

# A second copy for the same save file ends at once and the first stays.
start && {
    first=$pid
    timeout 120 "$work/dodoru" 2>"$work/second"; rc=$?
    [ $rc -eq 0 ] || fail "second start exit status $rc: $(cat "$work/second")"
    grep -q "another copy (process $first)" "$work/second" || fail "second start message: $(cat "$work/second")"
    kill -0 "$first" 2>/dev/null || fail "the first copy ended with the second"
    kill -TERM "$first"
    await gone "$first" || fail "the first copy did not end"
}

# A copy killed outright leaves its lock behind; the next start takes it over.
start && {
    kill -KILL "$pid"
    await gone "$pid"
    [ -e "$save.lock" ] || fail "no lock file was left by the killed copy"
    start && {
        kill -TERM "$pid"
        await gone "$pid" || fail "the copy after a stale lock did not end"
        [ "$(saved_size)" = 81 ] || fail "the copy after a stale lock did not save"
    }
}

# The display goes away: the program ends and saves first.
if command -v Xvfb >/dev/null; then
    # Xvfb picks a free display and writes its number once it accepts clients.
    Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    running+=("$xvfb")
    await test -s "$work/display" || fail "Xvfb did not start"
    display=:$(tr -d '\n' <"$work/display")
    DISPLAY=$display QT_QPA_PLATFORM=xcb start && {
        kill -TERM "$xvfb"
        await gone "$pid" || fail "the program outlived its display"
        [ "$(saved_size)" = 81 ] || fail "a lost display ended without the save: $(cat "$work/err")"
    }
else
    echo "Xvfb is not installed: the lost display is not tested"
fi

if [ $failures -eq 0 ]; then echo "program ends: all checks passed"; else echo "$failures failed"; exit 1; fi
