#!/usr/bin/env bash
# dodoru-cli explain, hint and rate as a user runs them, and the ratings of generate.
set -u
cli=$1
hard=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A level-1 puzzle: singles alone, ending solved; one JSON object a step, then the closing object.
easy=$("$cli" generate --level 1 --seed 3 --format line)
"$cli" explain "$easy" --json >"$work/path.json"; rc=$?
[ $rc -eq 0 ] || fail "explain exit status $rc"
tail -1 "$work/path.json" | grep -Eq '^\{"rating": 1\.[025], "hardest": "[a-z_]+", "steps": [0-9]+, "solved": true\}$' ||
    fail "closing object: $(tail -1 "$work/path.json")"
steps=$(($(wc -l <"$work/path.json") - 1))
tail -1 "$work/path.json" | grep -q "\"steps\": $steps," || fail "the closing object does not count $steps steps"
[ "$(grep -c '"technique": "\(full_house\|naked_single\|hidden_single\)"' "$work/path.json")" -eq "$steps" ] ||
    fail "a level-1 path needs more than singles"
head -1 "$work/path.json" | grep -Eq '^\{"step": 1, "technique": "[a-z_]+", ("unit": \{"kind": "(row|column|box)", "index": [0-8]\}, )?"placements": \[\[[0-9]+, [1-9]\]\], "eliminations": \[\], "cells": \[[0-9]+\], "digits": \[[1-9]\], "rating": 1\.[025]\}$' ||
    fail "first step: $(head -1 "$work/path.json")"

# The words: numbered steps, cells as rNcM, and the rating at the end; hint is the first step.
human=$("$cli" explain "$easy")
head -1 <<<"$human" | grep -Eq '^1\. (full house|naked single|hidden single)( in (row|column|box) [1-9])?: r[1-9]c[1-9] = [1-9]$' ||
    fail "first line: $(head -1 <<<"$human")"
tail -1 <<<"$human" | grep -Eq '^Rating 1\.[025] \(easy\), hardest step: [a-z ]+; [0-9]+ steps, solved\.$' ||
    fail "last line: $(tail -1 <<<"$human")"
[ "$("$cli" hint "$easy")" = "$(head -1 <<<"$human" | sed 's/^1\. //')" ] || fail "hint is not the first step"
[ "$("$cli" hint "$easy" --json)" = "$(head -1 "$work/path.json")" ] || fail "hint --json is not the first step"

# Boards without one solution get solve's verdict and its exit status.
empty=$(printf '0%.0s' $(seq 81))
conflict="55$(printf '0%.0s' $(seq 79))"
for command in explain hint; do
    out=$("$cli" $command "$empty"); rc=$?
    [ $rc -eq 0 ] && [ "$out" = "Several solutions (有多組解答); $command needs a puzzle with one solution." ] ||
        fail "$command of the empty board: status $rc, $out"
    out=$("$cli" $command "$conflict" --json)
    [ "$out" = "{\"verdict\": \"none\", \"puzzle_error\": false, \"solved\": false, \"error\": \"$command needs a puzzle with one solution\"}" ] ||
        fail "$command of a conflict: $out"
done

# rate: a line a puzzle of the hard set, stdin too, JSON too.
"$cli" rate "$hard" >"$work/rates.txt"; rc=$?
[ $rc -eq 0 ] || fail "rate exit status $rc"
[ "$(wc -l <"$work/rates.txt")" -eq "$(grep -vc '^#' "$hard")" ] || fail "rate lines: $(cat "$work/rates.txt")"
grep -Evq '^[1-9]\.[0-9] [a-z_]+ [0-9]{81}$' "$work/rates.txt" && fail "rate line: $(cat "$work/rates.txt")"
grep -Eq '^8\.[0-9] contradiction ' "$work/rates.txt" || fail "no puzzle of the hard set needs a contradiction"
grep -q ' guess ' "$work/rates.txt" && fail "a puzzle of the hard set needs a guess: $(grep ' guess ' "$work/rates.txt")"
# A grid already full rates 1.0, the easiest there is.
full=$easy
while read -r cell digit; do full=${full:0:cell}$digit${full:cell+1}; done < <(
    grep -o '"placements": \[\[[0-9]*, [1-9]\]' "$work/path.json" | tr -dc '0-9 ,\n' | tr ',' ' ' | sed 's/^ *//')
[ "$("$cli" rate "$full")" = "1.0 none $full" ] || fail "a full grid: $("$cli" rate "$full") ($full)"

# Chains and contradictions read in order, in words and in JSON.
escargot=$(grep -A1 '^# AI Escargot' "$hard" | tail -1)
"$cli" explain "$escargot" >"$work/escargot.txt"
grep -Eq '^[0-9]+\. contradiction: if r[1-9]c[1-9] = [1-9]( ⇒ r[1-9]c[1-9] = [1-9])* ⇒ .* has no (candidate left|place for [1-9]); removes [1-9] from r[1-9]c[1-9]$' \
    "$work/escargot.txt" || fail "no contradiction in words: $(grep contradiction "$work/escargot.txt" | head -1)"
grep -Eq '^[0-9]+\. [A-Za-z -]*(chain|wing|skyscraper|kite|rectangle)[^:]*: r[1-9]c[1-9] is not [1-9] ⇒ r[1-9]c[1-9] is [1-9] ⇒ ' \
    "$work/escargot.txt" || fail "no chain read in order: $(grep -i chain "$work/escargot.txt" | head -1)"
grep -Eq '^[0-9]+\. cell forcing chain \(digits [1-9 ]+\): if r[1-9]c[1-9] = [1-9]( ⇒ r[1-9]c[1-9] = [1-9])*(; if r[1-9]c[1-9] = [1-9]( ⇒ r[1-9]c[1-9] = [1-9])*)+; either way' \
    "$work/escargot.txt" || fail "no cell forcing chain in words: $(grep 'forcing chain (' "$work/escargot.txt" | head -1)"
"$cli" explain "$escargot" --json >"$work/escargot.json"
grep -Eq '"chain": \[\{"cells": \[[0-9]+\], "digit": [1-9], "on": false\}, \{"cells": \[[0-9, ]+\], "digit": [1-9], "on": true\}' \
    "$work/escargot.json" || fail "no chain in JSON"
grep -Eq '"technique": "contradiction".*"contradiction": \{"assume": \[[0-9]+, [1-9]\], "placements": \[(\[[0-9]+, [1-9]\](, )?)*\], "fails": \{"(cell|unit)": ' \
    "$work/escargot.json" || fail "no contradiction in JSON"
grep -Eq '"technique": "cell_forcing_chain".*"branches": \[\{"assume": \[[0-9]+, [1-9]\], "placements": \[' \
    "$work/escargot.json" || fail "no forcing chain branches in JSON"
printf '%s\n%s\n' "$easy" "$empty" | "$cli" rate - --json >"$work/rates.json"
sed -n 1p "$work/rates.json" | grep -Eq "^\{\"puzzle\": \"$easy\", \"rating\": 1\.[025], \"hardest\": \"[a-z_]+\", \"band\": \"easy\", \"steps\": [0-9]+\}$" ||
    fail "rate --json: $(cat "$work/rates.json")"
sed -n 2p "$work/rates.json" | grep -q '"verdict": "several"' || fail "rate --json of the empty board"

# Bad input: exit status 2 and a message.
for args in "explain" "explain 123" "hint $easy --frobnicate" "rate $work/missing.txt" "explain $easy $easy"; do
    err=$("$cli" $args 2>&1 >/dev/null); rc=$?
    [ $rc -eq 2 ] && [ -n "$err" ] || fail "'$args': status $rc, message '$err'"
done

# generate: rating and hardest in the JSON; a full range changes nothing; a range is kept and
# reproducible, and only the puzzles printed are logged.
"$cli" generate --level 5 --count 4 --seed 1 --json >"$work/all.json"
grep -c '"rating": [1-9]\.[0-9], "hardest": "[a-z_]*", "ms"' "$work/all.json" | grep -q 4 || fail "generate JSON: $(cat "$work/all.json")"
"$cli" generate --level 5 --count 4 --seed 1 --format line >"$work/plain.txt"
"$cli" generate --level 5 --count 4 --seed 1 --format line --min-rating 1.0 --max-rating 9.0 >"$work/full.txt"
cmp -s "$work/plain.txt" "$work/full.txt" || fail "a range of the whole scale changed the puzzles"
"$cli" generate --level 4 --count 2 --seed 5 --json --min-rating 2.0 --log "$work/out.txt" >"$work/ranged.json"; rc=$?
[ $rc -eq 0 ] || fail "ranged generate exit status $rc"
[ "$(grep -Ec '"rating": ([2-8]\.[0-9]|9\.0)' "$work/ranged.json")" -eq 2 ] || fail "ranged ratings: $(cat "$work/ranged.json")"
[ "$(grep -c $'\r$' "$work/out.txt")" -eq 2 ] || fail "ranged log records: $(od -c "$work/out.txt" | head)"
"$cli" generate --level 4 --count 2 --seed 5 --json --min-rating 2.0 >"$work/again.json"
strip() { sed -E 's/, "ms": [0-9.]+\}$/}/' "$1"; }
[ "$(strip "$work/ranged.json")" = "$(strip "$work/again.json")" ] || fail "a ranged seed is not reproducible"
for args in "--min-rating 0.5" "--max-rating 9.1" "--min-rating 4 --max-rating 3" "--min-rating x"; do
    "$cli" generate --level 1 $args >/dev/null 2>&1; rc=$?
    [ $rc -eq 2 ] || fail "generate $args: status $rc"
done

"$cli" --help | grep -q 'explain BOARD|FILE|-' || fail "--help does not explain explain"
[ $failures -eq 0 ] && echo "all explain command checks passed"
exit $((failures > 0))
