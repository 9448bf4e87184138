#!/bin/sh
# fetch-sources.sh DIR PATCHES: Debian's own source packages of SDL2, SDL2_ttf and FreeType,
# downloaded once into DIR by apt, unpacked with Debian's patches by dpkg-source, then with ours
# (PATCHES/PACKAGE-*.patch). Adds a deb-src entry for the release when apt has none; nothing
# else is ever downloaded.
set -eu
dir=$1
patches=$(cd "$2" && pwd)
packages="libsdl2 libsdl2-ttf freetype"
mkdir -p "$dir"
cd "$dir"
if ! ls ./*.dsc > /dev/null 2>&1; then
    sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
    entry=/etc/apt/sources.list.d/korvat-web-src.sources
    if ! grep -rqs '^deb-src\|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d; then
        . /etc/os-release
        printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
            "$VERSION_CODENAME" | $sudo tee "$entry" > /dev/null
        # Only the new entry's lists: the others stay as the machine has them.
        $sudo apt-get update -o Dir::Etc::sourcelist="$entry" -o Dir::Etc::sourceparts=- \
            -o APT::Get::List-Cleanup=0
    fi
    apt-get source --download-only $packages
fi
for dsc in ./*.dsc; do
    name=$(basename "$dsc" .dsc)
    package=${name%%_*}
    unpacked="$package-$(echo "${name#*_}" | sed 's/-[^-]*$//')"
    rm -rf "$unpacked"
    dpkg-source --no-check -x "$dsc" "$unpacked" > /dev/null
    for patch in "$patches/$package"-*.patch; do
        [ -f "$patch" ] && patch -s -d "$unpacked" -p1 < "$patch"
    done
done
touch .unpacked
