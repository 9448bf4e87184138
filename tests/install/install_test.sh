#!/bin/sh
# Installs the built tree into a temporary prefix, checks that every file on the uninstall list
# landed, uninstalls, and expects the prefix to be empty again: the two lists agree.
set -eu
source_dir=$1
build_dir=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

make -s -C "$source_dir" install-files PREFIX="$prefix" BUILD="$build_dir" >/dev/null
for f in $(cat "$build_dir/dist/installed-files"); do
    [ -s "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
# The installed game finds its catalogues under the prefix.
LC_ALL= LANGUAGE= LANG=fr_FR.UTF-8 "$prefix/bin/korvat" --help | grep -q '^utilisation' ||
    { echo "installed --help not in French"; exit 1; }
# A PNG of the right size: the width and height fields of its header.
head -c 24 "$prefix/share/icons/hicolor/48x48/apps/korvat.png" | od -An -tx1 | tr -d ' \n' |
    grep -q '^89504e470d0a1a0a0000000d49484452000000300000003' || { echo "bad 48x48 icon"; exit 1; }

make -s -C "$source_dir" uninstall PREFIX="$prefix" BUILD="$build_dir"
left=$(find "$prefix" -mindepth 1 | head -5)
[ -z "$left" ] || { echo "left after uninstall: $left"; exit 1; }
echo "install and uninstall: ok"
