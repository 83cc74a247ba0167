#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs dist/kvrdesk-VERSION-setup.exe silently under wine into a folder the installer
# has to make, checks the files (stripped), the Start Menu entry, the Apps entry and the
# associations of settings files and patches in wine's registry, runs the installed programs
# (the editor on a demo game, on an X server of its own), checks that a running editor
# stops both the installer and the uninstaller, installs a second time into another folder
# (which replaces the first installation, its folders included, and speaks the language
# the editor chose), uninstalls silently and checks that nothing of the installation is
# left while another program's association and a folder the user made stay.
# WINEPREFIX must be set.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
: "${WINEPREFIX:?WINEPREFIX names the wine to install into}"

version=$(sed -n 's/^project(kvrdesk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup="$root/dist/kvrdesk-$version-setup.exe"
[ -f "$setup" ] || { echo "no $setup: run scripts/package-windows.sh first" >&2; exit 1; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\kvrdesk'
classes='HKCU\Software\Classes'
fail() { echo "windows package: $*" >&2; exit 1; }
# Runs a command for at most `seconds`; a command that fails or takes longer fails the check, named.
bounded() {
  local seconds=$1 what=$2 rc=0
  shift 2
  timeout "$seconds" "$@" || rc=$?
  [ "$rc" -ne 124 ] || fail "$what: stopped after $seconds s without an answer"
  [ "$rc" -eq 0 ] || fail "$what: failed ($rc)"
}
# The data of `value` (the default value for "") of `key`, or nothing when there is none.
registered() {
  local k=$1 v=$2 line
  if [ -z "$v" ]; then
    line=$(wine reg query "$k" /ve 2> /dev/null | tr -d '\r' | grep -a -m1 'REG_SZ') || return 0
  else
    line=$(wine reg query "$k" /v "$v" 2> /dev/null | tr -d '\r' | grep -a -m1 " $v ") || return 0
  fi
  sed 's/^ *[^ ].*REG_[A-Z]* *//' <<< "$line"
}
absent() { ! wine reg query "$1" > /dev/null 2>&1; }

# Folders made by the installer, and one made by the user beforehand.
top='C:\kvrdesk test'
first="$top"'\Programs\kvrdesk'
user_made="$top"'\Other place'
second="$user_made"'\kvrdesk'
unix() { local u; u=$(winepath -u "$1"); echo "${u%/}"; }
# %APPDATA% of wine's user, who is the Unix user.
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
menu="$appdata/Microsoft/Windows/Start Menu/Programs/kvrdesk.lnk"
ini="$appdata/kvrdesk/kvrdesk.ini"

work=$(mktemp -d "$root/build-mingw/installed.XXXXXX")
[ ! -f "$ini" ] || cp "$ini" "$work/kvrdesk.ini.kept"
editor_pid=
finish() {
  [ -z "$editor_pid" ] || kill "$editor_pid" 2> /dev/null || true
  if [ -f "$work/kvrdesk.ini.kept" ]; then cp "$work/kvrdesk.ini.kept" "$ini"; else rm -f "$ini"; fi
  rm -rf "$work"
}
trap finish EXIT
# The editor's language for the installer, as Options > Language leaves it.
speak() { mkdir -p "$(dirname "$ini")" && printf '[General]\r\nlanguage=%s\r\n' "$1" > "$ini"; }

# Nothing of an earlier run; another program owns .kvpatch files.
rm -rf "$(unix "$top")"
for k in "$key" "$classes\\.kvs" "$classes\\.kvpatch" "$classes\\kvrdesk.Settings" "$classes\\kvrdesk.Patch"; do
  wine reg delete "$k" /f > /dev/null 2>&1 || true
done
wine reg add "$classes\\.kvpatch" /ve /d other.Patch /f > /dev/null

install() {
  # /D= takes the rest of the command line as it is, blanks and all, and no quotes: a
  # user's own command line, which cmd hands on unchanged.
  bounded 600 "the silent installation into $1" wine cmd /c "$(winepath -w "$setup") /S /D=$1"
  bounded 300 "waiting for the installation to end" wineserver -w
}
# The installation in `folder` is the one: files, Start Menu entry, Apps entry, associations.
check_installed() {
  local folder=$1 open_text=$2 u f
  u=$(unix "$folder")
  for f in bin/kvrdesk.exe bin/kvrdesk-cli.exe bin/kvrjam.exe bin/Qt6Widgets.dll bin/platforms/qwindows.dll \
    bin/styles/qwindowsvistastyle.dll bin/translations/kvrdesk_de.qm bin/translations/qtbase_de.qm \
    share/kvrdesk/DATA/ORIGIN.SET share/doc/kvrdesk/README.md licences/GPL-3.txt uninstall.exe; do
    [ -f "$u/$f" ] || fail "the installation in $folder has no $f"
  done
  [ -f "$menu" ] || fail "no Start Menu entry ($menu)"
  [ "$(registered "$key" DisplayName)" = kvrdesk ] || fail "the Apps list does not show kvrdesk"
  [ "$(registered "$key" DisplayVersion)" = "$version" ] || fail "the Apps list shows version '$(registered "$key" DisplayVersion)'"
  [ "$(registered "$key" Publisher)" = kvrdesk ] || fail "the Apps list shows no publisher"
  [ "$(registered "$key" InstallLocation)" = "$folder" ] || fail "the Apps entry names '$(registered "$key" InstallLocation)'"
  [ "$(registered "$key" QuietUninstallString)" = "\"$folder\\uninstall.exe\" /S" ] || fail "no quiet uninstall command"
  local exe="$folder\\bin\\kvrdesk.exe"
  for pair in .kvs:kvrdesk.Settings .kvpatch:kvrdesk.Patch; do
    local ext=${pair%%:*} progid=${pair#*:}
    [ "$(registered "$classes\\$ext" "")" = "$progid" ] || fail "$ext files open with '$(registered "$classes\\$ext" "")'"
    [ "$(registered "$classes\\$progid\\shell\\open\\command" "")" = "\"$exe\" \"%1\"" ] ||
      fail "$progid opens with '$(registered "$classes\\$progid\\shell\\open\\command" "")'"
    [ "$(registered "$classes\\$progid\\DefaultIcon" "")" = "\"$exe\",0" ] || fail "$progid has no icon"
    [[ "$(registered "$classes\\$progid\\shell\\open" "")" == "$open_text"* ]] ||
      fail "$progid's verb reads '$(registered "$classes\\$progid\\shell\\open" "")', not '$open_text'"
  done
  [ "$(registered "$classes\\.kvpatch" kvrdesk.before)" = other.Patch ] || fail "the other program's .kvpatch is not kept"
}

echo "== Installing $(basename "$setup") silently into $first"
speak en
install "$first"
check_installed "$first" "Open with kvrdesk"
stripped=$(find "$(unix "$first")" -type f \( -iname '*.exe' -o -iname '*.dll' \) -exec x86_64-w64-mingw32-objdump -h {} + |
  grep -c ' \.debug_' || true)
[ "$stripped" -eq 0 ] || fail "$stripped debugging sections in the installed programs and DLLs"
echo "installed: $(du -sh "$(unix "$first")" | cut -f1), associations in the registry"

echo "== The installed programs"
bin=$(unix "$first")/bin
answer=$(bounded 300 "the installed kvrdesk-cli.exe --version" wine "$bin/kvrdesk-cli.exe" --version | tr -d '\r')
[ "$answer" = "kvrdesk-cli $version" ] || fail "kvrdesk-cli.exe --version answered '$answer'"
answer=$(bounded 300 "the installed kvrdesk.exe --version" wine "$bin/kvrdesk.exe" --version | tr -d '\r')
[ "$answer" = "kvrdesk $version" ] || fail "kvrdesk.exe --version answered '$answer'"
# The installed tool finds the installed data: the demo game's textures come from there.
bounded 300 "the installed kvrdesk-cli.exe demo-game" wine "$bin/kvrdesk-cli.exe" demo-game "$work/game" > /dev/null
scripts/drive-editor.sh "$work/game" "$work/main.png" wine "$bin/kvrdesk.exe"

echo "== A running editor is closed first"
# The build's editor on the offscreen platform: it runs until it is stopped. Its button
# pictures are painted once it runs, after its mark for the installer is made.
rm -rf "$appdata/kvrdesk/cache"
# Started directly, so that the process is the editor's own and can be stopped by its id.
wine "$root/build-mingw/bin/kvrdesk.exe" -platform offscreen "$(winepath -w "$work/game")" > "$work/editor.log" 2>&1 &
editor_pid=$!
for _ in $(seq 240); do
  [ -z "$(find "$appdata/kvrdesk/cache" -type f 2> /dev/null | head -1)" ] || break
  kill -0 "$editor_pid" 2> /dev/null || fail "the editor ended: $(cat "$work/editor.log")"
  sleep 0.5
done
[ -n "$(find "$appdata/kvrdesk/cache" -type f 2> /dev/null | head -1)" ] || fail "the editor did not start in 120 s"
rc=0
timeout 300 wine cmd /c "$(winepath -w "$setup") /S /D=$second" || rc=$?
[ "$rc" -eq 2 ] || fail "the installer ran over a running editor (exit $rc)"
[ ! -e "$(unix "$user_made")" ] || fail "the refused installation made $user_made"
rc=0
# Run in place (_?=), so that its exit code is the uninstaller's own.
timeout 300 wine cmd /c "cd /d $first&& uninstall.exe /S _?=$first" || rc=$?
[ "$rc" -eq 2 ] || fail "the uninstaller ran over a running editor (exit $rc)"
[ -f "$bin/kvrdesk.exe" ] || fail "the refused uninstallation removed files"
kill "$editor_pid"
wait "$editor_pid" 2> /dev/null || true
editor_pid=
bounded 120 "waiting for the editor to end" wineserver -w
echo "installer and uninstaller refused while the editor ran"

echo "== A second installation, into $second, replaces the first"
mkdir -p "$(unix "$user_made")"
speak de
install "$second"
[ ! -e "$(unix "$first")" ] || fail "the first installation is left: $(cd "$(unix "$first")" && find . | head -20)"
[ ! -e "$(unix "$top")/Programs" ] || fail "the folder the first installer made is left"
check_installed "$second" "Mit kvrdesk"
echo "one installation, in $second; the installer spoke German as the editor does"

echo "== Uninstalling silently"
# From its Windows name, as the Apps list starts it.
bounded 600 "the silent uninstallation" wine "$second\\uninstall.exe" /S
# The uninstaller runs on from a copy of itself; wait until it has finished.
bounded 300 "waiting for the uninstaller to end" wineserver -w
[ ! -e "$(unix "$second")" ] || fail "left behind: $(cd "$(unix "$second")" && find . | head -20)"
[ -d "$(unix "$user_made")" ] || fail "the uninstaller removed $user_made, which the user made"
[ ! -e "$menu" ] || fail "the Start Menu entry is left"
absent "$key" || fail "the registry key $key is left"
for k in .kvs kvrdesk.Settings kvrdesk.Patch; do
  absent "$classes\\$k" || fail "the registry key $classes\\$k is left"
done
[ "$(registered "$classes\\.kvpatch" "")" = other.Patch ] || fail "the other program's .kvpatch is not given back"
absent "$classes\\.kvpatch\\OpenWithProgids" || fail ".kvpatch still lists kvrdesk"
[ -z "$(registered "$classes\\.kvpatch" kvrdesk.before)" ] || fail "the kept .kvpatch default is left"
if [ -d "$appdata/kvrdesk" ]; then
  left=$(cd "$appdata/kvrdesk" && find . -mindepth 1 ! -name kvrdesk.set ! -name kvrdesk.ini)
  [ -z "$left" ] || fail "the editor's scratch files are left in %APPDATA%\\kvrdesk: $left"
fi
wine reg delete "$classes\\.kvpatch" /f > /dev/null 2>&1 || true
rm -rf "$(unix "$top")"
echo "windows package: installed, ran, refused a running editor, replaced, uninstalled; nothing left"
