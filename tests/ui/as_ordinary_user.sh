#!/bin/sh
# Runs a test program as an ordinary user: root reads and writes every file, so permissions can only
# be tested without it. The user runs a copy in a folder of its own: the build tree may lie below a
# folder only root may enter (a clone in a private temporary folder).
if [ "$(id -u)" != 0 ]; then exec "$@"; fi
program=$1
shift
copy=$(mktemp -d) || exit 1
trap 'rm -rf "$copy"' EXIT
chmod 755 "$copy" && cp "$program" "$copy/" || exit 1
runuser -u nobody -- "$copy/$(basename "$program")" "$@"
status=$?
exit $status
