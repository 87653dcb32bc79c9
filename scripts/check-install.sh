#!/usr/bin/env bash
# README's install and package commands on a built folder (default: build):
# installs into a scratch prefix, packs the Debian package, and checks that
# both hold every file a user needs and that the package names its
# libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr/local" >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls -t "$build"/rallynote_*.deb | head -n 1)"
listing="$(dpkg-deb -c "$deb")"

missing=0
for file in bin/rallynote bin/rallynote-cli \
    share/rallynote/html/RLY_MM.htm share/rallynote/html/TENIS1.htm \
    share/rallynote/tenisman.bmp share/rallynote/teniswmn.bmp \
    share/applications/rallynote.desktop \
    share/icons/hicolor/scalable/apps/rallynote.svg \
    share/icons/hicolor/128x128/apps/rallynote.png; do
    if [ ! -e "$stage/usr/local/$file" ]; then
        echo "cmake --install: $file missing"
        missing=1
    fi
    if ! grep -q " \./usr/$file\$" <<<"$listing"; then
        echo "$deb: /usr/$file missing"
        missing=1
    fi
done
depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6widgets6 libqt6printsupport6 qt6-translations-l10n; do
    if ! grep -q "$package" <<<"$depends"; then
        echo "$deb: does not depend on $package"
        missing=1
    fi
done
[ "$missing" -eq 0 ] && echo "install and package complete: $deb"
exit "$missing"
