#!/bin/sh
# Runs a test program as an ordinary user: root reads and writes every file, so permissions can only
# be tested without it.
if [ "$(id -u)" = 0 ]; then exec runuser -u nobody -- "$@"; fi
exec "$@"
