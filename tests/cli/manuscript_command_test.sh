#!/usr/bin/env bash
# dodoru-cli manuscript as a user runs it: the sheet, seeds on any number of threads, puzzle files,
# the log, argument errors and an output that cannot be written.
set -u
cli=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }

# 30 puzzles of a mix, six a page, with answers: 5 puzzle pages and 3 answer pages (12 a page).
"$cli" manuscript --mix 1,2,3,4,5 --count 30 --per-page 6 --answers --seed 7 --threads 1 -o "$work/one.pdf"; rc=$?
[ $rc -eq 0 ] || fail "sheet exit status $rc"
[ "$(pages "$work/one.pdf")" = 8 ] || fail "sheet pages: $(pages "$work/one.pdf")"
text=$(pdftotext -layout "$work/one.pdf" -)
[ "$(grep -o '第 [0-9]* 題' <<<"$text" | sort -u | wc -l)" -eq 30 ] || fail "the sheet does not number 30 puzzles"
[ "$(grep -o '5\.極難' <<<"$text" | wc -l)" -eq 12 ] || fail "not six level 5 puzzles and answers"
"$cli" manuscript --mix 1,2,3,4,5 --count 30 --per-page 6 --answers --seed 7 --threads 2 -o "$work/two.pdf"
[ "$(pdftotext -layout "$work/two.pdf" -)" = "$text" ] || fail "one and two threads give different sheets"
"$cli" manuscript --mix 1,2,3,4,5 --count 30 --per-page 6 --answers --seed 8 -o "$work/other.pdf"
[ "$(pdftotext -layout "$work/other.pdf" -)" != "$text" ] || fail "seeds 7 and 8 give the same sheet"

# Every generated puzzle is logged, one CR LF record each, and a log that cannot be written fails.
"$cli" manuscript --level 2 --count 3 --log "$work/out.txt" -o "$work/logged.pdf" || fail "logged run failed"
[ "$(grep -c $'\r$' "$work/out.txt")" -eq 3 ] || fail "log records: $(od -c "$work/out.txt" | head)"
"$cli" manuscript --level 2 --count 1 --log "$work/no/out.txt" -o "$work/logless.pdf" 2>/dev/null
[ $? -eq 1 ] || fail "an unwritable log is not exit status 1"

# A puzzle file: an 81-cell line, a nine-line grid with comments, an empty board (not unique), skipped.
cat >"$work/puzzles.txt" <<'PUZZLES'
# two of these have one solution
034678912672195348198042567859761423426853791713924856961537284287419635345286170
# a grid
5 3 0 | 6 7 8 | 9 1 2
6 7 2 | 1 9 5 | 3 4 8
1 9 8 | 3 4 2 | 5 6 7
------+-------+------
8 5 9 | 7 6 1 | 4 2 3
4 2 6 | 8 0 3 | 7 9 1
7 1 3 | 9 2 4 | 8 5 6
------+-------+------
9 6 1 | 5 3 7 | 2 8 4
2 8 7 | 4 1 9 | 6 3 5
3 4 5 | 2 8 6 | 1 7 0

.................................................................................
PUZZLES
"$cli" manuscript --from "$work/puzzles.txt" --answers -o "$work/from.pdf" 2>"$work/err"; rc=$?
[ $rc -eq 0 ] || fail "--from exit status $rc: $(cat "$work/err")"
grep -q 'puzzle 3 .* skipped: it has several solutions' "$work/err" || fail "not-unique puzzle not reported: $(cat "$work/err")"
[ "$(pages "$work/from.pdf")" = 2 ] || fail "--from pages: $(pages "$work/from.pdf")"
from=$(pdftotext -layout "$work/from.pdf" -)
grep -q '第 2 題' <<<"$from" && ! grep -q '第 3 題' <<<"$from" || fail "--from numbering: $from"
# Ratings in the captions; a range keeps only the puzzles in it (these two need singles alone).
"$cli" manuscript --from "$work/puzzles.txt" --rating -o "$work/rated.pdf" 2>/dev/null || fail "--rating failed"
[ "$(pdftotext -layout "$work/rated.pdf" - | grep -o '評分 1\.[0-9]' | wc -l)" -eq 2 ] || fail "--rating captions"
"$cli" manuscript --from "$work/puzzles.txt" --min-rating 2.0 -o "$work/none.pdf" 2>"$work/err"; rc=$?
[ $rc -eq 2 ] && grep -q 'rated 1\.' "$work/err" || fail "--min-rating over --from: status $rc, $(cat "$work/err")"
printf '123\n' >"$work/bad.txt"
"$cli" manuscript --from "$work/bad.txt" -o "$work/bad.pdf" 2>"$work/err"; rc=$?
[ $rc -eq 2 ] && grep -q 'bad.txt: line 1' "$work/err" || fail "bad puzzle file: status $rc, $(cat "$work/err")"

# Bad arguments: exit status 2, a message, no file.
while IFS= read -r args; do
    eval "set -- $args"
    err=$("$cli" manuscript "$@" 2>&1 >/dev/null); rc=$?
    [ $rc -eq 2 ] || fail "'$args' exit status $rc"
    [[ $err == *"dodoru-cli manuscript: "* ]] || fail "'$args' gave no message: $err"
done <<ARGS
--count 3 -o $work/x.pdf
--level 3 -o $work/x.pdf
--level 3 --count 3
--level 6 --count 3 -o $work/x.pdf
--level 3 --mix 1,2 --count 3 -o $work/x.pdf
--mix 1,,2 --count 3 -o $work/x.pdf
--mix 1,2, --count 3 -o $work/x.pdf
--level 3 --count 0 -o $work/x.pdf
--level 3 --count 1001 -o $work/x.pdf
--level 3 --count 3 --per-page 3 -o $work/x.pdf
--level 3 --count 3 --paper Napkin -o $work/x.pdf
--level 3 --count 3 --seed -1 -o $work/x.pdf
--level 3 --count 3 --answers=yes -o $work/x.pdf
--level 3 --count 3 --frobnicate -o $work/x.pdf
--from $work/puzzles.txt --level 3 -o $work/x.pdf
--from $work/missing.txt -o $work/x.pdf
--level 3 --count 3 -o
--level 3 --count 3 --min-rating 9.5 -o $work/x.pdf
--level 3 --count 3 --min-rating 4 --max-rating 3.9 -o $work/x.pdf
--level 3 --count 3 --rating=yes -o $work/x.pdf
ARGS
[ ! -e "$work/x.pdf" ] || fail "a refused command left a file"

# An output that cannot be written: exit status 1 and nothing left behind; an older file stays.
"$cli" manuscript --level 1 --count 1 -o "$work/missing/dir/sheet.pdf" 2>/dev/null; rc=$?
[ $rc -eq 1 ] || fail "unwritable output exit status $rc"
[ ! -e "$work/missing" ] || fail "unwritable output left something"
"$cli" --help | grep -q 'manuscript (--level L | --mix' || fail "--help does not explain manuscript"

[ $failures -eq 0 ] && echo "all manuscript command checks passed"
exit $((failures > 0))
