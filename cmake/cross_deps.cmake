# SPDX-License-Identifier: GPL-3.0-or-later
# The libraries of a cross build. The header-only ones are the build machine's, shown to
# the cross compiler through a folder of their own: never the build machine's /usr/include,
# whose system headers would shadow the target's. GoogleTest is built from Debian's sources.
set(KVR_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${KVR_HOST_HEADERS})
foreach(dir CLI nlohmann)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: install the library's Debian package")
  endif()
  file(CREATE_LINK /usr/include/${dir} ${KVR_HOST_HEADERS}/${dir} SYMBOLIC)
endforeach()
foreach(target CLI11::CLI11 nlohmann_json::nlohmann_json)
  add_library(${target} INTERFACE IMPORTED)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${KVR_HOST_HEADERS})
endforeach()

set(KVR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources for a cross build")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${KVR_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
