#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows (qtbase as DLLs, MinGW-w64 with posix threads) from
# Debian's own source of the Qt this machine has, with Debian's Qt as the host tools,
# into a cache folder outside the checkout. Only what the editor uses: Core, Gui,
# Widgets, Test, the windows and offscreen platform plugins, PNG.
#
# KVR_QT_WINDOWS names the folder (default ~/.cache/kvrdesk/qt-6.4.2-mingw). A folder
# built before with the same options is used as it is. `--prefix` only prints the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

qt_version=6.4.2
prefix=${KVR_QT_WINDOWS:-$HOME/.cache/kvrdesk/qt-$qt_version-mingw}
if [ "${1:-}" = "--prefix" ]; then
  echo "$prefix"
  exit 0
fi
jobs=${KVR_QT_JOBS:-$(nproc)}
triple=x86_64-w64-mingw32

scripts/setup.sh cmake ninja-build perl dpkg-dev xz-utils g++-mingw-w64-x86-64-posix \
  qt6-base-dev qt6-base-dev-tools

# The host tools and the source must be the same Qt.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
case "$host_version" in
  "$qt_version"+*) ;;
  *) echo "qt6-base-dev is $host_version, not Qt $qt_version" >&2; exit 1 ;;
esac

# Like the project's own toolchain, without what only the project's build needs (wine,
# static programs): Qt's build makes no Windows programs of its own.
toolchain="set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $triple-gcc-posix)
set(CMAKE_CXX_COMPILER $triple-g++-posix)
set(CMAKE_RC_COMPILER $triple-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$triple)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)"

options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_pkg_config=OFF
  # The modules the editor does not use.
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF
  # Debian's source leaves out the tablet library.
  -DFEATURE_tabletevent=OFF
  # The windows plugin needs OpenGL; resolved at run time, so nothing to link.
  -DINPUT_opengl=dynamic
  -DFEATURE_vulkan=OFF
  # One windows plugin, not a second Direct2D one; without Direct2D, 6.4.2 leaves out the
  # DirectWrite 3 font database that the windows plugin would then link to.
  -DFEATURE_direct2d=OFF
  -DFEATURE_directwrite3=OFF
  # PNG and BMP only; the bundled libraries, never a stray MinGW one beside the compiler.
  -DFEATURE_gif=OFF
  -DFEATURE_ico=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_zstd=OFF
  -DFEATURE_icu=OFF
  # Text and document formats the editor never writes or reads.
  -DFEATURE_pdf=OFF
  -DFEATURE_textodfwriter=OFF
  -DFEATURE_textmarkdownreader=OFF
  -DFEATURE_textmarkdownwriter=OFF
  -DFEATURE_sessionmanager=OFF
  -DFEATURE_androiddeployqt=OFF
)

stamp="$prefix/kvrdesk-qt.stamp"
wanted="qt6-base $host_version
$toolchain
${options[*]}"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
  echo "Qt $qt_version for Windows: $prefix (built before)"
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

# Debian's source of the same suites as the machine's packages.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -qx "Version: $host_version"; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    list=/etc/apt/sources.list.d/kvrdesk-deb-src.sources
    awk 'BEGIN { RS = ""; ORS = "\n\n" }
         /(^|\n)Types:[^\n]*deb([ \n]|$)/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }' \
      /etc/apt/sources.list.d/debian.sources | $SUDO tee "$list" > /dev/null
  elif [ -f /etc/apt/sources.list ]; then
    list=/etc/apt/sources.list.d/kvrdesk-deb-src.list
    sed -n 's/^deb[[:space:]]/deb-src /p' /etc/apt/sources.list | $SUDO tee "$list" > /dev/null
  else
    echo "No Debian package sources found in /etc/apt to add the source entries to" >&2
    exit 1
  fi
  echo "Added $list"
  $SUDO apt-get update -q
fi

start=$SECONDS
work="$prefix.build"
mkdir -p "$work"
src="$work/qt6-base-$qt_version+dfsg"
if [ ! -f "$src/CMakeLists.txt" ]; then
  rm -rf "$work"/qt6-base*
  (cd "$work" && apt-get source -q --only-source "qt6-base=$host_version")
fi
printf '%s\n' "$toolchain" > "$work/mingw-w64.cmake"

cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}"
cmake --build "$work/build" -j"$jobs"
rm -rf "$prefix"
cmake --install "$work/build" --strip > "$work/install.log"
printf '%s\n' "$wanted" > "$stamp"
rm -rf "$work"

took=$((SECONDS - start))
# The processor time too: on a shared machine the wall time says little. (`times` in this
# shell, not in a subshell, which would count only its own children.)
times_file=$(mktemp)
times > "$times_file"
cpu=$(tail -1 "$times_file")
rm -f "$times_file"
echo "Qt $qt_version for Windows: $prefix ($(du -sh "$prefix" | cut -f1)), built in $((took / 60)) min $((took % 60)) s (processor time, user and system: $cpu)"
