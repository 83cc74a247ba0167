#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes dist/kvrdesk-VERSION-setup.exe (an NSIS installer: per user, no administrator
# needed, in the editor's six languages, registering the settings files and patches) and
# dist/kvrdesk-VERSION-windows.zip (the same files) from the Windows build that
# scripts/test-windows.sh leaves in build-mingw (WIN_BUILD names another). The programs
# and DLLs are stripped.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh nsis cmake ninja-build binutils-mingw-w64-x86-64 libcli11-dev nlohmann-json3-dev

win=${WIN_BUILD:-build-mingw}
version=$(sed -n 's/^project(kvrdesk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [ ! -f "$win/CMakeCache.txt" ] || ! grep -q '^KVR_GUI:BOOL=ON' "$win/CMakeCache.txt"; then
  echo "No Windows build with the windows in $win: run scripts/test-windows.sh first" >&2
  exit 1
fi
cmake --build "$win" --target kvrdesk kvrdesk-cli kvrjam kvr-data

# The installed shape: bin/ with the programs, Qt's DLLs and plugins and the MinGW
# runtime; share/kvrdesk/DATA; and the licences.
package="$root/$win/package"
stage="$package/kvrdesk-$version"
rm -rf "$package"
cmake --install "$win" --prefix "$stage" > /dev/null
# Only the code is shipped: the programs' and the DLLs' symbols and debugging sections
# are more than half of them (libstdc++-6.dll alone goes from 23.7 MB to 2 MB).
strip=x86_64-w64-mingw32-strip
while IFS= read -r -d '' f; do
  "$strip" --strip-unneeded "$f"
done < <(find "$stage" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
if find "$stage" -type f \( -iname '*.exe' -o -iname '*.dll' \) -exec x86_64-w64-mingw32-objdump -h {} + |
  grep -q ' \.debug_'; then
  echo "a shipped program or DLL still has debugging sections" >&2
  exit 1
fi
licences="$stage/licences"
mkdir -p "$licences"
# kvrdesk's own licence, shown by the installer's licence page and the About window.
cp LICENSE "$licences/GPL-3.txt"
cp /usr/share/doc/libcli11-dev/copyright "$licences/CLI11-copyright.txt"
cp /usr/share/doc/nlohmann-json3-dev/copyright "$licences/nlohmann-json-copyright.txt"
cp /usr/share/common-licenses/LGPL-3 "$licences/LGPL-3.txt"
cp /usr/share/doc/libqt6core6/copyright "$licences/Qt-copyright.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$licences/GCC-runtime-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$licences/MinGW-w64-copyright.txt"
cat > "$licences/README.txt" <<TEXT
kvrdesk $version for Windows

bin\\Qt6*.dll, bin\\platforms and bin\\styles are Qt $(dpkg-query -W -f='${Version}' qt6-base-dev | cut -d+ -f1),
built unchanged from Debian's source of its qt6-base package, and used under the GNU
Lesser General Public License version 3 (LGPL-3.txt, which adds to GPL-3.txt); their
copyright holders and the licences of the libraries inside them are in Qt-copyright.txt.
You may replace these DLLs with your own build of the same Qt version.
bin\\translations\\qtbase_*.qm are Qt's own translations, from Debian's qt6-translations-l10n
package of the same Qt, under the same licences.

bin\\libstdc++-6.dll and bin\\libgcc_s_seh-1.dll are GCC's runtime (GPL-3 with the GCC
Runtime Library Exception, see GCC-runtime-copyright.txt); bin\\libwinpthread-1.dll is
MinGW-w64's threads library (see MinGW-w64-copyright.txt).

The programs hold code of two header-only libraries: CLI11 (BSD-3-clause, see
CLI11-copyright.txt) and JSON for Modern C++ (MIT, see nlohmann-json-copyright.txt).

Everything else is kvrdesk's own, by the kvrdesk developers, licensed under the GNU
General Public License, version 3 or (at your option) any later version (GPL-3.txt).
TEXT
# Texts for Windows' own editors.
for f in "$licences"/*.txt; do sed -i 's/\r\?$/\r/' "$f"; done

# The uninstaller removes exactly these files and then the folders they leave empty.
remove="$package/remove.nsh"
(
  cd "$stage"
  find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
) > "$remove"
size_kb=$(du -sk "$stage" | cut -f1)

mkdir -p dist
setup="dist/kvrdesk-$version-setup.exe"
zip="dist/kvrdesk-$version-windows.zip"
IFS=. read -r major minor patch <<< "$version"
makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DVERSION4="${major:-0}.${minor:-0}.${patch:-0}.0" \
  -DSTAGE="$stage" -DICON="$root/$win/windows/kvrdesk.ico" -DLICENCE="$licences/GPL-3.txt" -DOUTFILE="$root/$setup" \
  -DSIZE_KB="$size_kb" -DREMOVE_NSH="$remove" "$root/dist/windows/kvrdesk.nsi"
rm -f "$zip"
(cd "$package" && cmake -E tar cf "$root/$zip" --format=zip "kvrdesk-$version")
echo "$setup ($(du -h "$setup" | cut -f1)), $zip ($(du -h "$zip" | cut -f1))"
