#!/usr/bin/env bash
# dodoru-cli generate as a user runs it: JSON records, reproducible seeds, the log file, bad arguments.
set -u
cli=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Three level-5 puzzles, seeded: one JSON object per line with exactly the issue's keys.
"$cli" generate --level 5 --count 3 --seed 1 --json >"$work/a.json"; rc=$?
[ $rc -eq 0 ] || fail "seeded level 5 exit status $rc"
[ "$(wc -l <"$work/a.json")" -eq 3 ] || fail "expected three lines: $(cat "$work/a.json")"
shape='^\{"level": 5, "puzzle": "[0-9]{81}", "solution": "[1-9]{81}", "grid": "[1-9]{81}", "clues": [0-9]+, "tally": \[([0-9]+, ){9}[0-9]+\], "tries": [0-9]+, "grids": [0-9]+, "rating": [1-9]\.[0-9], "hardest": "[a-z_]+", "ms": [0-9]+(\.[0-9]+)?\}$'
while IFS= read -r line; do
    [[ $line =~ $shape ]] || fail "record shape: $line"
    puzzle=$(sed -E 's/.*"puzzle": "([0-9]+)".*/\1/' <<<"$line")
    clues=$(sed -E 's/.*"clues": ([0-9]+),.*/\1/' <<<"$line")
    [ "$(tr -d '0\n' <<<"$puzzle" | wc -c)" -eq "$clues" ] || fail "clues $clues do not count the givens of $puzzle"
    answer=$("$cli" solve "$puzzle" --json)
    grep -q '"verdict": "unique"' <<<"$answer" || fail "puzzle $puzzle is not unique: $answer"
    grep -q '"added": \[\]' <<<"$answer" || fail "puzzle $puzzle needed givens added: $answer"
    solution=$(sed -E 's/.*"solution": "([0-9]+)".*/\1/' <<<"$line")
    grep -q "\"board\": \"$solution\"" <<<"$answer" || fail "solution $solution is not the puzzle's: $answer"
done <"$work/a.json"
[ "$(cut -d, -f2 "$work/a.json" | sort -u | wc -l)" -eq 3 ] || fail "the three puzzles are not distinct"

# The same seed, the same puzzles (all but the time).
"$cli" generate --level 5 --count 3 --seed 1 --json >"$work/b.json"
strip() { sed -E 's/, "ms": [0-9.]+\}$/}/' "$1"; }
[ "$(strip "$work/a.json")" = "$(strip "$work/b.json")" ] || fail "seed 1 is not reproducible"
"$cli" generate --level 5 --count 3 --seed 2 --json >"$work/c.json"
[ "$(strip "$work/a.json")" != "$(strip "$work/c.json")" ] || fail "seeds 1 and 2 gave the same puzzles"

# Checks that add givens make the full grid ("grid") differ from the puzzle's solution.
grep -Eqv '"solution": "([0-9]+)", "grid": "\1"' "$work/a.json" || fail "no record keeps its full grid apart"

# The two text forms print the same puzzles as the JSON, and read back with solve FILE.
"$cli" generate --level 5 --count 3 --seed 1 --format line >"$work/a.line"
[ "$(cat "$work/a.line")" = "$(sed -E 's/.*"puzzle": "([0-9]+)".*/\1/' "$work/a.json")" ] || fail "line form: $(cat "$work/a.line")"
"$cli" generate --level 5 --count 3 --seed 1 --format=grid >"$work/a.grid"
[ "$(wc -l <"$work/a.grid")" -eq 29 ] || fail "grid form: $(cat "$work/a.grid")"
[ "$("$cli" solve "$work/a.grid" --json)" = "$("$cli" solve "$work/a.line" --json)" ] || fail "grid and line forms differ"

# Every level; the clock-seeded run works too.
for level in 1 2 3 4; do
    out=$("$cli" generate --level "$level" --seed 9 --json) || fail "level $level failed"
    grep -q "^{\"level\": $level, " <<<"$out" || fail "level $level record: $out"
done
"$cli" generate --level 2 --json | grep -q '"level": 2' || fail "clock-seeded generation"

# Human output: the grid, the 81-character line, level, givens and tally.
human=$("$cli" generate --level 3 --seed 4)
grep -q '^Puzzle 1 of 1: level 3, [0-9]* givens (空格[0-9]*)$' <<<"$human" || fail "human heading: $human"
grep -q '^+--------+--------+--------+$' <<<"$human" || fail "human grid: $human"
grep -Eq '^puzzle: +[0-9]{81}$' <<<"$human" || fail "human puzzle line: $human"
grep -q '^tally: .*0=[0-9]* 1=[0-9]*' <<<"$human" || fail "human tally: $human"

# The log: created, appended to, CR LF line ends, old bytes kept.
log="$work/out.txt"
printf 'older\r\n' >"$log"
"$cli" generate --level 1 --count 2 --seed 3 --log "$log" >/dev/null || fail "generation with a log failed"
head -c 7 "$log" | cmp -s - <(printf 'older\r\n') || fail "older bytes changed"
[ "$(grep -c $'\r$' "$log")" -eq 3 ] || fail "expected three CR LF lines in the log"
tail -n 2 "$log" | iconv -f CP950 -t UTF-8 | grep -c '^等級1共[0-9]*號答案1組 *0=[0-9][0-9] 1=' | grep -q 2 ||
    fail "log records: $(iconv -f CP950 -t UTF-8 <"$log")"

# A log that cannot be written: the puzzle is still printed, the reason on stderr, exit status 1.
mkdir "$work/dir"
out=$("$cli" generate --level 1 --seed 3 --json --log "$work/dir" 2>"$work/err"); rc=$?
[ $rc -eq 1 ] || fail "unwritable log exit status $rc"
grep -q '"level": 1' <<<"$out" || fail "puzzle not printed when the log failed"
grep -q 'Is a directory' "$work/err" || fail "log failure reason: $(cat "$work/err")"

# Bad arguments: a message and exit status 2.
for args in "" "--level" "--level 0" "--level 6" "--level x" "--level 1 --count 0" "--level 1 --count -2" \
    "--level 1 --seed -1" "--level 1 --seed 1x" "--level 1 --frobnicate" "--level 1 extra" "--level 1 --json=yes" \
    "--level 1 --log" "--level 1 --format csv" "--level 1 --json --format line"; do
    # shellcheck disable=SC2086
    err=$("$cli" generate $args 2>&1 >/dev/null); rc=$?
    [ $rc -eq 2 ] || fail "'generate $args' exit status $rc"
    [ -n "$err" ] || fail "'generate $args' gave no message"
done
"$cli" generate --level=2 --count=2 --seed=5 --json | grep -c '"level": 2' | grep -q 2 || fail "--name=value form"

# By technique: each level's puzzles rated in its band, unique, givens symmetric under a half turn;
# the same seed gives the same puzzles on one thread and on four.
bands=(x "1\.[0-9]" "2\.[0-9]" "3\.[0-9]" "[45]\.[0-9]" "([6-9]|[1-9][0-9])\.[0-9]")
for level in 1 2 3 4 5; do
    "$cli" generate --level "$level" --by-technique --count 2 --seed 7 --threads 1 --json >"$work/t1.json" ||
        fail "level $level by technique failed"
    "$cli" generate --level "$level" --by-technique --count 2 --seed 7 --threads 4 --json >"$work/t4.json"
    [ "$(strip "$work/t1.json")" = "$(strip "$work/t4.json")" ] || fail "level $level: 1 and 4 threads differ"
    while IFS= read -r line; do
        [[ $line =~ ^\{\"level\":\ $level,\ \"by_technique\":\ true,.*\"rating\":\ ${bands[$level]},.*\"draws\":\ [1-9][0-9]*,\ \"ms\" ]] ||
            fail "level $level by technique record: $line"
        puzzle=$(sed -E 's/.*"puzzle": "([0-9]+)".*/\1/' <<<"$line")
        [ "$(rev <<<"$puzzle" | tr '1-9' 'x')" = "$(tr '1-9' 'x' <<<"$puzzle")" ] || fail "not symmetric: $puzzle"
        "$cli" solve "$puzzle" --json | grep -q '"verdict": "unique"' || fail "not unique: $puzzle"
    done <"$work/t1.json"
done
"$cli" generate --level 4 --min-rating 4.0 --seed 3 --json | grep -Eq '"draws": [0-9]+, "ms"' || fail "ranged JSON has no draws"
for args in "--level 1 --by-technique --log $work/x.txt" "--level 3 --by-technique --min-rating 4.0" \
    "--level 1 --threads 0"; do
    # shellcheck disable=SC2086
    "$cli" generate $args >/dev/null 2>&1; rc=$?
    [ $rc -eq 2 ] || fail "'generate $args' exit status $rc"
done

if [ $failures -eq 0 ]; then echo "generate command: all checks passed"; else echo "$failures failed"; exit 1; fi
