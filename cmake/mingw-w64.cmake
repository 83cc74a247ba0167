# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads), run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KVR_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KVR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KVR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KVR_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KVR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt for Windows, as scripts/build-qt-windows.sh builds it (`--prefix` names its folder):
# one more root, since packages are looked for under the roots only.
if(KVR_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${KVR_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${KVR_QT_WINDOWS})
  list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KVR_QT_WINDOWS)
endif()

# No runtime DLLs to look for beside the programs without Qt. Qt's own import libraries
# are named in full, so the Qt programs still link its DLLs (and their runtime DLLs ride
# along beside them, see qt_windows_runtime.cmake).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The build runs its own data tools; wine runs them here.
find_program(KVR_WINE wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KVR_WINE})
