#!/bin/sh
# fetch-sources.sh DIR: Debian's own source packages of SDL2, SDL2_ttf and FreeType, unpacked
# with Debian's patches into DIR by apt and dpkg-source. Adds a deb-src entry for the release
# when apt has none; nothing else is ever downloaded.
set -eu
dir=$1
packages="libsdl2 libsdl2-ttf freetype"
[ -f "$dir/.unpacked" ] && exit 0
sudo=""; [ "$(id -u)" = 0 ] || sudo=sudo
entry=/etc/apt/sources.list.d/korvat-web-src.sources
if ! grep -rqs '^deb-src\|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d; then
    . /etc/os-release
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$VERSION_CODENAME" | $sudo tee "$entry" > /dev/null
    # Only the new entry's lists: the others are as the machine has them.
    $sudo apt-get update -o Dir::Etc::sourcelist="$entry" -o Dir::Etc::sourceparts=- \
        -o APT::Get::List-Cleanup=0
fi
mkdir -p "$dir"
cd "$dir"
apt-get source --download-only $packages
for dsc in *.dsc; do
    dpkg-source --no-check -x "$dsc" > /dev/null
done
touch .unpacked
