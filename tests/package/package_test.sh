#!/bin/sh
# Builds the .deb from the built tree into a temporary folder, validates its desktop file and
# metainfo, unpacks it, runs both programs from the unpacked tree, and asks lintian.
set -eu
build_dir=$1
app_id=$2
version=$3
first_frame=$4
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli lintian; do
    command -v "$tool" >/dev/null || { echo "missing $tool (make deps installs it)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
deb=$work/out/korvat_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no $deb"; ls "$work/out"; exit 1; }

# The dependencies: the libraries the binaries use, and the font package.
info=$(dpkg-deb --info "$deb")
for dep in libc6 libsdl2-2.0-0 libsdl2-ttf-2.0-0 libfontconfig1 fonts-dejavu-core; do
    echo "$info" | grep -q "^ Depends:.*\b$dep\b" || { echo "$info"; echo "no dependency on $dep"; exit 1; }
done
echo "$info" | grep -q '^ Section: games$' || { echo "$info"; echo "not in section games"; exit 1; }

# Every installed file, with the programs in games/, and the package's copyright.
root=$work/root
dpkg-deb -x "$deb" "$root"
for f in $(sed 's#^bin/#games/#' "$build_dir/dist/installed-files") share/doc/korvat/copyright; do
    [ -s "$root/usr/$f" ] || { echo "missing in the package: /usr/$f"; exit 1; }
done

desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
# Warnings fail the validation as errors do.
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"

[ "$("$root/usr/games/korvat" --version)" = "korvat $version" ] || { echo "wrong --version"; exit 1; }
# The catalogues where gettext looks for them, found from the program's own place.
[ -s "$root/usr/share/locale/de/LC_MESSAGES/korvat.mo" ] || { echo "no German catalogue"; exit 1; }
help=$(LC_ALL= LANGUAGE= LANG=de_DE.UTF-8 "$root/usr/games/korvat" --help)
echo "$help" | grep -q '^Aufruf: korvat' || { echo "$help"; echo "--help not in German"; exit 1; }
grep -q '^Comment\[de\]=' "$root/usr/share/applications/$app_id.desktop" ||
    { echo "desktop entry not translated"; exit 1; }
grep -q '<summary xml:lang="de">' "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    { echo "metainfo not translated"; exit 1; }
"$first_frame" "$root/usr/games/korvat"
"$root/usr/games/korvat-sim" --random-games 10 --seed 1 >"$work/sim.out"
grep -q '^games 10$' "$work/sim.out" || { cat "$work/sim.out"; exit 1; }

# Errors fail; the warnings that stay are explained in the README.
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; exit 1; }
cat "$work/lintian.log"
echo "package: ok"
