#!/usr/bin/env bash
# dodoru-cli solve as a user runs it: the empty board's answer, bad input, and the stream mode.
set -u
cli=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

empty=$(printf '0%.0s' $(seq 81))
expected='{"verdict": "several", "message": "有多組解答", "puzzle_error": false, "board": "347658129516297834892314567781935246934862751265471983123549678678123495459786312", "givens": "000100000000000000000000100000000000000000000000000000000010000001000000000000000", "added": [65, 58, 24, 3], "searches": [414, 78313, 4891, 1881965]}'
out=$("$cli" solve "$empty" --json --exact); rc=$?
[ $rc -eq 0 ] || fail "empty board exit status $rc"
[ "$out" = "$expected" ] || fail "empty board answer: $out"
# The fast path: the same answer; searches counts its own work, one entry per search.
fast=$("$cli" solve "$empty" --json); rc=$?
[ $rc -eq 0 ] || fail "empty board (fast) exit status $rc"
[ "${fast%%, \"searches\"*}" = "${expected%%, \"searches\"*}" ] || fail "empty board fast answer: $fast"
grep -Eq '"searches": \[[0-9]+, [0-9]+, [0-9]+, [0-9]+\]}$' <<<"$fast" || fail "fast searches: $fast"

# Five givens: 2.6 billion calls node by node, answered at once by the fast path.
five=120000000000300000000000000000000000000040000000000000000000000000000000000000005
out=$("$cli" solve "$five" --json)
grep -q '"board": "129854367548376129637912548792683451815247693463195872984521736256738914371469285", "givens": "110000000000100000000000100000000000000010000000000000011000000000010000000000001", "added": \[24, 55, 67, 56\]' <<<"$out" ||
    fail "five-given board: $out"

human=$("$cli" solve "$empty")
grep -q 'Several solutions' <<<"$human" || fail "human answer lacks the verdict: $human"
grep -q '6\*' <<<"$human" || fail "human answer does not mark givens"

for bad in "123" "$(printf 'x%.0s' $(seq 81))" "${empty}0"; do
    err=$("$cli" solve "$bad" 2>&1 >/dev/null); rc=$?
    [ $rc -eq 2 ] || fail "bad board '$bad' exit status $rc"
    [ -n "$err" ] || fail "bad board '$bad' gave no message"
done
"$cli" solve >/dev/null 2>&1; [ $? -eq 2 ] || fail "missing board not exit 2"
"$cli" solve "$empty" --frobnicate >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown option not exit 2"
"$cli" bogus >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown command not exit 2"
"$cli" --help | grep -q 'solve BOARD' || fail "--help does not explain solve"

# Stream mode: each line answered in turn, a bad line reported by number, the others still answered.
conflict="55$(printf '0%.0s' $(seq 79))"
stream=$(printf '%s\n\nnot a board\n%s\n' "$empty" "$conflict" | "$cli" solve - --json 2>"$work/err"); rc=$?
[ $rc -eq 2 ] || fail "stream with a bad line exit status $rc"
[ "$(wc -l <<<"$stream")" -eq 2 ] || fail "stream answers: $stream"
grep -q '"verdict": "none", "message": "此題無解"' <<<"$(sed -n 2p <<<"$stream")" || fail "conflict answer: $stream"
grep -q 'line 3' "$work/err" || fail "bad line not reported by number: $(cat "$work/err")"

# Answers arrive before the input ends (flushed after each line): the first is read while the input is open.
mkfifo "$work/in" "$work/out"
"$cli" solve - --json <"$work/in" >"$work/out" &
solver=$!
exec 3>"$work/in" 4<"$work/out"
echo "$empty" >&3
IFS= read -r -t 60 first <&4 || fail "first stream answer not flushed while the input is open"
grep -q '^{"verdict": "several"' <<<"$first" || fail "first stream answer: $first"
exec 3>&-
cat <&4 >/dev/null
exec 4<&-
wait "$solver"

# A puzzle file: every puzzle answered in turn; a file that cannot be read or is no puzzle file solves nothing.
printf '# two puzzles\n%s\n\n%s\n' "$empty" "$conflict" >"$work/two.txt"
[ "$("$cli" solve "$work/two.txt" --json)" = "$(printf '%s\n%s\n' "$empty" "$conflict" | "$cli" solve - --json)" ] ||
    fail "file answers differ from the stream's"
printf '%s\n000x\n' "$empty" >"$work/bad.txt"
for arg in "$work/bad.txt" "$work" "$work/missing.txt"; do
    out=$("$cli" solve "$arg" 2>"$work/err"); rc=$?
    [ $rc -eq 2 ] && [ -z "$out" ] || fail "'$arg' exit status $rc, output $out"
    grep -Eq "line 2, column 4: unexpected character 'x'|Is a directory|No such file" "$work/err" ||
        fail "'$arg' message: $(cat "$work/err")"
done

# Lost output: a full disk is exit status 1 with the reason; a reader that stops reading ends the run
# quietly (here with SIGPIPE ignored, as some callers leave it, so that the write itself fails).
for cmd in "solve $empty" "generate --level 1 --seed 1" "--help"; do
    # shellcheck disable=SC2086
    err=$("$cli" $cmd 2>&1 >/dev/full); rc=$?
    [ $rc -eq 1 ] || fail "'${cmd:0:20}' >/dev/full exit status $rc"
    grep -q 'No space left on device' <<<"$err" || fail "'${cmd:0:20}' >/dev/full message: $err"
done
err=$(mktemp)
rc=$(trap '' PIPE; for _ in $(seq 300); do echo "$empty"; done | "$cli" solve - 2>"$err" | head -n 1 >/dev/null;
     echo "${PIPESTATUS[1]}")
[ "$rc" = 0 ] && [ ! -s "$err" ] || fail "a reader going away: exit status $rc, message '$(cat "$err")'"
rm -f "$err"
help=$("$cli" --help)
for status in 0 1 2; do grep -q "^  $status  " <<<"$help" || fail "--help does not explain exit status $status"; done

if [ $failures -eq 0 ]; then echo "solve command: all checks passed"; else echo "$failures failed"; exit 1; fi
