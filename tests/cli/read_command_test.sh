#!/usr/bin/env bash
# dodoru-cli read as a user runs it: a puzzle or a reason a line, --json, exit statuses.
set -u
cli=$1
pictures=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Arguments.
"$cli" read >/dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "read without an image: status $rc"
"$cli" read --fast x.jpg >/dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "read with an unknown option: status $rc"

# Images that give no puzzle: a line with the reason each, status 2.
printf '000000000\n' >"$work/puzzle.jpg"
out=$("$cli" read "$work/puzzle.jpg" "$work/missing.png" 2>"$work/err"); rc=$?
[ $rc -eq 2 ] || fail "unreadable images: status $rc"
[ "$(sed -n 1p <<<"$out")" = "refused: not an image (JPEG, PNG or BMP) that decodes" ] || fail "not an image: $out"
[ "$(sed -n 2p <<<"$out")" = "refused: the file cannot be read" ] || fail "missing file: $out"
grep -q "missing.png: the file cannot be read" "$work/err" || fail "no message on standard error: $(cat "$work/err")"

if [ ! -f "$pictures/photo001.jpg" ]; then
    echo "SKIP: the labelled photos are not in $pictures; the readings of photos are not checked"
    [ $failures -eq 0 ] && exit 0 || exit 1
fi

# A photo: its 81 cells; the JSON object; with a truncated copy beside it, status 2 and both lines.
expected=$(tr -d '\n' <"$pictures/photo001.txt")
out=$("$cli" read "$pictures/photo001.jpg"); rc=$?
[ $rc -eq 0 ] && [ "$out" = "$expected" ] || fail "photo001: status $rc, $out"
json=$("$cli" read --json "$pictures/photo001.jpg")
grep -Eq "^\{\"image\": \"[^\"]*photo001.jpg\", \"puzzle\": \"$expected\", \"uncertain\": \[[0-9, ]*\], \"verdict\": \"unique\", \"ms\": [0-9]+\}$" <<<"$json" ||
    fail "photo001 --json: $json"
head -c 20000 "$pictures/photo001.jpg" >"$work/cut.jpg"
out=$("$cli" read "$pictures/photo001.jpg" "$work/cut.jpg" 2>/dev/null); rc=$?
[ $rc -eq 2 ] || fail "a truncated photo: status $rc"
[ "$(sed -n 1p <<<"$out")" = "$expected" ] && [ "$(sed -n 2p <<<"$out")" = "refused: the image data ends early (a truncated file)" ] ||
    fail "photo and truncated photo: $out"

[ $failures -eq 0 ] || exit 1
