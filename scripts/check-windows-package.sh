#!/usr/bin/env bash
# Installs dist/kvrdesk-VERSION-setup.exe silently under wine into a folder of our
# choosing, runs the installed programs (the editor on a demo game, on an X server of its
# own), uninstalls silently and checks that nothing of the installation is left: files,
# Start Menu entry, the Apps list's registry key. WINEPREFIX must be set.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
: "${WINEPREFIX:?WINEPREFIX names the wine to install into}"

version=$(sed -n 's/^project(kvrdesk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup="$root/dist/kvrdesk-$version-setup.exe"
[ -f "$setup" ] || { echo "no $setup: run scripts/package-windows.sh first" >&2; exit 1; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\kvrdesk'
fail() { echo "windows package: $*" >&2; exit 1; }
# Runs a command for at most `seconds`; a command that fails or takes longer fails the check, named.
bounded() {
  local seconds=$1 what=$2 rc=0
  shift 2
  timeout "$seconds" "$@" || rc=$?
  [ "$rc" -ne 124 ] || fail "$what: stopped after $seconds s without an answer"
  [ "$rc" -eq 0 ] || fail "$what: failed ($rc)"
}

# A folder with spaces, as under "Program Files".
folder='C:\kvrdesk test\Programs\kvrdesk'
unix=$(winepath -u "$folder")
unix=${unix%/}
# %APPDATA% of wine's user, who is the Unix user.
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
menu="$appdata/Microsoft/Windows/Start Menu/Programs/kvrdesk.lnk"
rm -rf "$(dirname "$(dirname "$unix")")"

echo "== Installing $(basename "$setup") silently into $folder"
# /D= takes the rest of the command line as it is, blanks and all, and no quotes: a
# user's own command line, which cmd hands on unchanged.
bounded 600 "the silent installation" wine cmd /c "$(winepath -w "$setup") /S /D=$folder"
bounded 300 "waiting for the installation to end" wineserver -w
for f in bin/kvrdesk.exe bin/kvrdesk-cli.exe bin/kvrjam.exe bin/Qt6Widgets.dll bin/platforms/qwindows.dll \
  bin/styles/qwindowsvistastyle.dll bin/translations/kvrdesk_de.qm bin/translations/qtbase_de.qm \
  share/kvrdesk/DATA/ORIGIN.SET licences/LGPL-3.txt uninstall.exe; do
  [ -f "$unix/$f" ] || fail "the installation has no $f"
done
[ -f "$menu" ] || fail "no Start Menu entry ($menu)"
registered() { wine reg query "$key" /v "$1" 2> /dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
[ "$(registered DisplayName)" = kvrdesk ] || fail "the Apps list does not show kvrdesk"
[ "$(registered DisplayVersion)" = "$version" ] || fail "the Apps list shows version '$(registered DisplayVersion)'"
[ "$(registered Publisher)" = kvrdesk ] || fail "the Apps list shows no publisher"
[ "$(registered QuietUninstallString)" = "\"$folder\\uninstall.exe\" /S" ] || fail "no quiet uninstall command"

echo "== The installed programs"
answer=$(bounded 300 "the installed kvrdesk-cli.exe --version" wine "$unix/bin/kvrdesk-cli.exe" --version | tr -d '\r')
[ "$answer" = "kvrdesk-cli $version" ] || fail "kvrdesk-cli.exe --version answered '$answer'"
answer=$(bounded 300 "the installed kvrdesk.exe --version" wine "$unix/bin/kvrdesk.exe" --version | tr -d '\r')
[ "$answer" = "kvrdesk $version" ] || fail "kvrdesk.exe --version answered '$answer'"
work=$(mktemp -d "$root/build-mingw/installed.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The installed tool finds the installed data: the demo game's textures come from there.
bounded 300 "the installed kvrdesk-cli.exe demo-game" wine "$unix/bin/kvrdesk-cli.exe" demo-game "$work/game" > /dev/null
scripts/drive-editor.sh "$work/game" "$work/main.png" wine "$unix/bin/kvrdesk.exe"

echo "== Uninstalling silently"
bounded 600 "the silent uninstallation" wine "$unix/uninstall.exe" /S
# The uninstaller runs on from a copy of itself; wait until it has finished.
bounded 300 "waiting for the uninstaller to end" wineserver -w
[ ! -e "$unix" ] || fail "left behind: $(cd "$unix" && find . | head -20)"
[ ! -e "$menu" ] || fail "the Start Menu entry is left"
! wine reg query "$key" > /dev/null 2>&1 || fail "the registry key $key is left"
if [ -d "$appdata/kvrdesk" ]; then
  left=$(cd "$appdata/kvrdesk" && find . -mindepth 1 ! -name kvrdesk.set ! -name kvrdesk.ini)
  [ -z "$left" ] || fail "the editor's scratch files are left in %APPDATA%\\kvrdesk: $left"
fi
echo "windows package: installed, ran and uninstalled; nothing left"
