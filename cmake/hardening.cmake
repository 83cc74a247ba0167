# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening for the binaries we ship: checked string and memory calls, stack
# protector, full RELRO with immediate binding, position-independent executables.
# MinGW gets none yet: its stack protector and fortify need libssp shipped beside the
# programs, which the Windows package does not carry.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  set(kvr_hardening_default ON)
else()
  set(kvr_hardening_default OFF)
endif()
option(KVR_HARDENING "Build with the distribution's hardening flags" ${kvr_hardening_default})

if(KVR_HARDENING AND NOT KVR_SANITIZE AND NOT WIN32)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  # Fortify needs the optimiser; the unoptimised Debug build leaves it out.
  add_compile_options(-fstack-protector-strong -fstack-clash-protection
                      "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
