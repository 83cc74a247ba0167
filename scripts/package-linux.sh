#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes dist/kvrdesk_VERSION_amd64.deb with CPack from the Linux build (build, as
# scripts/test.sh leaves it; LINUX_BUILD names another), checks it with lintian (no
# errors allowed), and unpacks it into a throwaway folder to check that the programs,
# their data, the desktop files, the MIME types, the manual pages and the completion are
# in place and that the unpacked tool works.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh cmake ninja-build dpkg-dev lintian help2man man-db

build=${LINUX_BUILD:-build}
version=$(sed -n 's/^project(kvrdesk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# Configured again, so that a help2man installed since is found, and hardened: what is
# shipped is, in a build folder made before too.
cmake -S . -B "$build" -G Ninja -DKVR_HARDENING=ON > /dev/null
cmake --build "$build" --target kvrdesk kvrdesk-cli kvrjam kvr-data kvr-deb-doc kvr-manual-pages

out="$root/$build/deb"
rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$out" > "$out.log") || { cat "$out.log"; exit 1; }
deb="dist/kvrdesk_${version}_amd64.deb"
mkdir -p dist
mv "$out/kvrdesk_${version}_amd64.deb" "$deb"
dpkg-deb --info "$deb" | sed -n 's/^ \(Depends\|Installed-Size\):/\1:/p'

# apt can install it: every dependency is one the archive has (only simulated here).
apt-get install --simulate -q "./$deb" > "$out.apt" || { cat "$out.apt"; exit 1; }

echo "== lintian"
lintian --fail-on error --suppress-tags-from-file dist/debian/lintian-kept "$deb"

echo "== The package's files"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for f in usr/bin/kvrdesk usr/bin/kvrdesk-cli usr/bin/kvrjam \
  usr/share/applications/net.kvrdesk.kvrdesk.desktop usr/share/icons/hicolor/scalable/apps/kvrdesk.svg \
  usr/share/icons/hicolor/scalable/mimetypes/application-x-kvrdesk-settings.svg \
  usr/share/icons/hicolor/scalable/mimetypes/application-x-kvrdesk-patch.svg \
  usr/share/mime/packages/net.kvrdesk.kvrdesk.xml usr/share/bash-completion/completions/kvrdesk-cli \
  usr/share/man/man1/kvrdesk.1.gz usr/share/man/man1/kvrdesk-cli.1.gz usr/share/man/man1/kvrjam.1.gz \
  usr/share/doc/kvrdesk/README.md \
  usr/share/metainfo/net.kvrdesk.kvrdesk.metainfo.xml usr/share/doc/kvrdesk/copyright \
  usr/share/doc/kvrdesk/changelog.gz usr/share/kvrdesk/DATA/ORIGIN.SET usr/share/kvrdesk/DATA/PLT.DAT \
  usr/share/kvrdesk/translations/kvrdesk_de.qm usr/share/kvrdesk/translations/kvrdesk_nl.qm; do
  [ -f "$unpacked/$f" ] || { echo "the package has no /$f" >&2; exit 1; }
done
# Debian's copyright names /usr/share/common-licenses/GPL-3 instead of a copy of its own.
[ ! -e "$unpacked/usr/share/doc/kvrdesk/LICENSE" ] || { echo "the package carries a copy of the GPL" >&2; exit 1; }
grep -q '^License: GPL-3+$' "$unpacked/usr/share/doc/kvrdesk/copyright" || { echo "the copyright names no GPL-3+" >&2; exit 1; }
# The unpacked programs find their data beside them, as the installed ones will.
"$unpacked/usr/bin/kvrdesk-cli" --version
"$unpacked/usr/bin/kvrdesk-cli" demo-game "$unpacked/game" > /dev/null
[ -f "$unpacked/game/GAMEJAMS/HELMETS1.JAM" ] || { echo "the unpacked tool did not find its textures" >&2; exit 1; }
echo "$deb ($(du -h "$deb" | cut -f1)): lintian shows no errors, every file in place"
