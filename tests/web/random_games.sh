#!/bin/sh
# random_games.sh NATIVE_SIM WEB_SIM_JS: the same random games, checked, give the same report
# under node as natively; only the speed line may differ.
set -u
args='--random-games 200 --seed 20240607 --check-invariants'
out=$(mktemp -d) || exit 1
trap 'rm -rf "$out"' EXIT
"$1" $args > "$out/native" || { echo "native driver failed" >&2; exit 1; }
node --no-experimental-fetch "$2" $args > "$out/web" || { echo "web driver failed" >&2; exit 1; }
grep -v '^moves per second ' "$out/native" > "$out/native.same"
grep -v '^moves per second ' "$out/web" > "$out/web.same"
cat "$out/web"
[ "$(wc -l < "$out/native")" = 4 ] && [ "$(wc -l < "$out/web")" = 4 ] &&
    cmp "$out/native.same" "$out/web.same"
