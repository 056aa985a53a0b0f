#!/usr/bin/env bash
# dodoru-cli at its edges: only regular files are read or replaced (special files are refused, never
# waited on, left as they are), endless input in little memory, one reader for every encoding and line
# end, English messages, exit statuses, no display needed, file names as bytes.
set -u
cli=$1
sanitized=${2:-OFF}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
empty=$(printf '0%.0s' $(seq 81))

# Special files in a folder of their own: devices made here as root, links to the system's otherwise.
mkfifo fifo
mkdir adir dv
if [ "$(id -u)" = 0 ]; then mknod full c 1 7 && mknod dv/null c 1 3; else ln -s /dev/full full && ln -s /dev/null dv/null; fi
ln -s "$work/dv/null" link.pdf
ln -s "$work/fifo" fifolink
ln -s "$work/nowhere" dangling
snapshot() { ls -l --time-style=+ full fifo link.pdf fifolink dangling dv adir; }
before=$(snapshot)

# As output: refused before any work, exit status 1, the reason in English, nothing replaced.
while IFS='|' read -r target reason; do
    err=$(timeout 60 "$cli" manuscript --level 1 --count 2 -o "$target" 2>&1 >/dev/null); rc=$?
    [ $rc -eq 1 ] || fail "-o $target exit status $rc"
    [[ $err == "dodoru-cli manuscript: cannot write '$target': "*"$reason"* ]] || fail "-o $target message: $err"
done <<'TARGETS'
full|not a regular file
fifo|it is a FIFO (a named pipe), not a regular file
link.pdf|it is a device, not a regular file
fifolink|FIFO
adir|Is a directory
dangling|does not exist
TARGETS
# As input: refused at once (never waits on a writer), exit status 2, the reason in English.
while IFS='|' read -r command reason; do
    # shellcheck disable=SC2086
    err=$(timeout 60 "$cli" $command 2>&1 >/dev/null); rc=$?
    [ $rc -eq 2 ] || fail "'$command' exit status $rc"
    [[ $err == *"$reason"* ]] || fail "'$command' message: $err"
done <<'INPUTS'
solve fifo|cannot read 'fifo': it is a FIFO (a named pipe), not a regular file
solve fifolink|FIFO
solve /dev/zero|cannot read '/dev/zero': it is a device, not a regular file
solve dangling|cannot read 'dangling': it is a link to
manuscript --from fifo -o out.pdf|cannot read 'fifo': it is a FIFO
manuscript --from /dev/urandom -o out.pdf|cannot read '/dev/urandom': it is a device
INPUTS
[ "$(snapshot)" = "$before" ] || fail "a special file was changed: $(snapshot)"
[ ! -e out.pdf ] || fail "a refused input left a PDF"
# A puzzle file over the stated limit is refused unread.
truncate -s 9M big.txt
err=$("$cli" solve big.txt 2>&1); rc=$?
[ $rc -eq 2 ] && [[ $err == *"larger than a puzzle file may be (8 MB)"* ]] || fail "a 9 MB file: $rc, $err"

# Endless input: answered or refused in little memory, and the run ends.
if [ "$sanitized" = OFF ]; then
    while IFS='|' read -r limit input command; do
        # shellcheck disable=SC2086
        err=$( (ulimit -v "$limit"; timeout 60 "$cli" $command <"$input") 2>&1 >/dev/null); rc=$?
        [ $rc -eq 2 ] && [[ $err == "dodoru-cli "* ]] || fail "'$command < $input' in $limit KB: status $rc, $err"
    done <<'ENDLESS'
200000|/dev/zero|solve -
200000|/dev/urandom|solve -
200000|/dev/zero|explain -
200000|/dev/null|solve /dev/zero
1000000|/dev/null|manuscript --from /dev/zero -o out.pdf
ENDLESS
    # Lines too long are refused one by one and the stream goes on.
    out=$( (ulimit -v 200000; { head -c 50000000 /dev/zero | tr '\0' 0; echo; echo "$empty"; } | "$cli" solve - --json 2>"$work/err")); rc=$?
    [ $rc -eq 2 ] && grep -q '"verdict": "several"' <<<"$out" && grep -q 'line 1: longer than 4096 bytes; skipped' err ||
        fail "a line of 50 MB: status $rc, $(cat err)"
else
    echo "sanitizer build: memory limits are checked by the plain build"
fi

# One reader: a file and the stream read every encoding and line end alike.
conflict="55$(printf '0%.0s' $(seq 79))"
expected=$(printf '%s\n%s\n' "$empty" "$conflict" | "$cli" solve - --json)
utf16() { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; }
while IFS='|' read -r name make; do
    printf '# c\n%s\n%s\n' "$empty" "$conflict" | eval "$make" >"in-$name.txt"
    [ "$("$cli" solve "in-$name.txt" --json 2>&1)" = "$expected" ] || fail "solve FILE reads no $name"
    [ "$("$cli" solve - --json <"in-$name.txt" 2>&1)" = "$expected" ] || fail "solve - reads no $name"
    "$cli" manuscript --from "in-$name.txt" -o "$name.pdf" 2>"$work/err"
    grep -q 'puzzle 1 .* several solutions' err && grep -q 'puzzle 2 .* no solution' err ||
        fail "manuscript --from reads no $name: $(cat err)"
done <<'ENCODINGS'
LF|cat
CRLF|sed 's/$/\r/'
CR|tr '\n' '\r'
BOM|{ printf '\xef\xbb\xbf'; cat; }
UTF16|utf16
ENCODINGS
err=$(printf '000\n0\xe2\x80\x940\n' | "$cli" solve - 2>&1)
[[ $err == *"line 2: unexpected character '—' (U+2014) at position 2"* ]] || fail "a character is not named: $err"

# Exit statuses: failures are never reported as success; a reader going away is.
"$cli" manuscript --level 1 --count 1 -o adir 2>"$work/err"; rc=$?
[ $rc -eq 1 ] && grep -q "^dodoru-cli manuscript: cannot write 'adir': Is a directory$" err || fail "-o adir: $rc, $(cat err)"
"$cli" solve - <adir 2>"$work/err"; rc=$?
[ $rc -eq 2 ] && grep -q 'cannot read standard input: Is a directory' err || fail "solve - < adir: $rc, $(cat err)"
"$cli" --version >/dev/full 2>"$work/err"; rc=$?
[ $rc -eq 1 ] && grep -q 'No space left on device' err || fail "--version >/dev/full: $rc, $(cat err)"
for _ in $(seq 300); do echo "$empty"; done >many.txt
rc=$("$cli" solve many.txt 2>"$work/err" | head -n 1 >/dev/null; echo "${PIPESTATUS[0]}")
[ "$rc" = 0 ] && [ ! -s err ] || fail "solve many.txt | head -1: status $rc, $(cat err)"
# No display needed, whatever the environment names; a file name is bytes, not text.
QT_QPA_PLATFORM=xcb DISPLAY=:999 "$cli" manuscript --level 1 --count 1 -o $'bad\xff.pdf' 2>"$work/err"; rc=$?
[ $rc -eq 0 ] || fail "manuscript with QT_QPA_PLATFORM=xcb and no display: $rc, $(cat err)"
[ -s $'bad\xff.pdf' ] || fail "the file name's bytes were not kept: $(ls)"

if [ $failures -eq 0 ]; then echo "files and edges: all checks passed"; else echo "$failures failed"; exit 1; fi
