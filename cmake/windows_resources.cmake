# SPDX-License-Identifier: GPL-3.0-or-later
# Each Windows program carries the icon (drawn by tools/mkdesktop) and its version.
enable_language(RC)
set(KVR_RC_VERSION "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
if(PROJECT_VERSION_PATCH)
  set(KVR_RC_VERSION "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
endif()

function(kvr_windows_resource target description)
  set(KVR_RC_NAME ${target})
  set(KVR_RC_DESCRIPTION ${description})
  set(rc ${CMAKE_BINARY_DIR}/windows/${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/windows_resource.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  # windres does not report the icon it reads as a dependency.
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${KVR_WINDOWS_ICON})
  add_dependencies(${target} kvr-data-desktop)
endfunction()

kvr_windows_resource(kvrdesk-cli "kvrdesk command-line tool")
kvr_windows_resource(kvrjam "kvrdesk texture converter")
if(TARGET kvrdesk)
  kvr_windows_resource(kvrdesk "kvrdesk, editor for the data of the racing game Kavorra")
endif()
