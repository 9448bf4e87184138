#!/bin/sh
# check_catalogues.sh PO_DIR CURRENT_POT
# The kept template holds the sources' texts, and every language translates all of them.
set -u
po=$1
current=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

texts() {  # the messages alone: no places, no creation date, in one order
    msgcat --no-location --no-wrap --sort-output "$1" | grep -v '^"POT-Creation-Date:'
}
texts "$po/korvat.pot" > "$work/kept"
texts "$current" > "$work/current"
if ! diff -u "$work/kept" "$work/current" > "$work/diff"; then
    echo "po/korvat.pot differs from the sources' texts (cmake --build build --target korvat-update-po):"
    head -30 "$work/diff"
    failed=1
fi
for lang in $(grep -v '^#' "$po/LINGUAS"); do
    file=$po/$lang.po
    stats=$(msgfmt --check --statistics -o /dev/null "$file" 2>&1) || failed=1
    echo "$lang: $stats"
    case $stats in
        *fuzzy* | *untranslated*) failed=1 ;;
    esac
    # Every text of the sources has a translation here, not only those the catalogue lists.
    msgcmp "$file" "$current" || failed=1
done
exit $failed
