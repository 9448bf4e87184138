#!/bin/sh
# PROGRAM NAME VERSION: --help and --version answer on stdout with status 0, touching no display;
# any other argument gives the usage on stderr and status 2.
set -u
program=$1
name=$2
version=$3
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() { echo "$name $*"; echo "stdout:"; cat "$out"; echo "stderr:"; cat "$err"; exit 1; }
# No display: a program that tried to open its window would fail or hang here.
unset DISPLAY WAYLAND_DISPLAY

"$program" --version >"$out" 2>"$err" || fail "--version: status $?"
[ "$(cat "$out")" = "$name $version" ] && [ ! -s "$err" ] || fail "--version: wrong output"

"$program" --help >"$out" 2>"$err" || fail "--help: status $?"
grep -q "^usage: $name" "$out" && grep -q -- '--version' "$out" && [ ! -s "$err" ] ||
    fail "--help: wrong output"

status=0
"$program" --no-such-option >"$out" 2>"$err" || status=$?
[ "$status" = 2 ] || fail "bad option: status $status"
[ ! -s "$out" ] && grep -q "^usage: $name" "$err" || fail "bad option: wrong output"
echo "$name: command line ok"
