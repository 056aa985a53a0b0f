#!/usr/bin/env bash
# The real program's ends: every polite signal and a lost display save the givens; a second start for
# the same save file brings the running window to the front and ends, also when both start at once; the
# lock of a killed copy, or one that names no copy, is taken over; a copy that does not answer is named
# by its lock; the socket is in the user's runtime folder. The program runs in place from a folder of its
# own, so Default.dat lies beside it.
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

# An empty or garbage lock, as a power loss can leave it, names no copy: it is taken over.
for content in "" "garbage"; do
    printf '%s' "$content" >"$save.lock"
    start && {
        kill -TERM "$pid"
        await gone "$pid" || fail "the copy after a lock of \"$content\" did not end"
    }
done

# A copy that does not answer (stopped): a later start asks for a while, then ends naming the lock.
start && {
    first=$pid
    kill -STOP "$first"
    timeout 60 "$work/dodoru" 2>"$work/second"; rc=$?
    kill -CONT "$first"
    [ $rc -eq 1 ] || fail "a start beside a silent copy: exit status $rc"
    grep -qF "$save.lock" "$work/second" || fail "the silent copy's message names no lock: $(cat "$work/second")"
    kill -TERM "$first"
    await gone "$first" || fail "the stopped copy did not end"
}

# Two copies started at the same instant: one runs, the other brings it to the front and ends.
one_gone() { gone "$a" || gone "$b"; }
for _ in 1 2 3 4 5; do
    rm -f "$save"
    "$work/dodoru" >"$work/a" 2>&1 &
    a=$!
    "$work/dodoru" >"$work/b" 2>&1 &
    b=$!
    running+=("$a" "$b")
    await one_gone || { fail "neither of two copies started together ended"; break; }
    if gone "$a"; then ended=$a survivor=$b out=$work/a; else ended=$b survivor=$a out=$work/b; fi
    wait "$ended"; rc=$?
    [ $rc -eq 0 ] || fail "of two copies started together one ended with status $rc: $(cat "$out")"
    grep -q "brought to the front" "$out" || fail "the copy that ended says: $(cat "$out")"
    gone "$survivor" && fail "both copies started together ended"
    kill -TERM "$survivor"
    await gone "$survivor"
done

# The socket lies in the user's runtime folder, not in the shared temporary folder; one that cannot be
# made there is reported.
runtime=$work/runtime
mkdir -m 700 "$runtime"
XDG_RUNTIME_DIR=$runtime start && {
    [ -n "$(find "$runtime" -type s -name 'dodoru-*')" ] || fail "no socket in \$XDG_RUNTIME_DIR"
    kill -TERM "$pid"
    await gone "$pid"
}
mkdir -p "$runtime/dodoru-$(printf '%s' "$save" | sha1sum | cut -c1-16)/taken"
XDG_RUNTIME_DIR=$runtime start && {
    grep -q "cannot listen" "$work/err" || fail "a socket that cannot be made is not reported: $(cat "$work/err")"
    kill -TERM "$pid"
    await gone "$pid"
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
