# SPDX-License-Identifier: GPL-3.0-or-later
# The editor on Windows: a windowed program (no console), with the Qt DLLs, the plugins it
# loads and the MinGW runtime those DLLs were built against beside the programs, in the
# build folder (so they run from there under wine) and in an installation.
set_target_properties(kvrdesk PROPERTIES WIN32_EXECUTABLE ON)

set(KVR_QT_RUNTIME_FILES)
# Copies the DLL of `what` (an imported Qt target, or a file) into bin/SUBDIR and, unless
# TEST_ONLY, installs it there.
function(kvr_qt_runtime what subdir)
  cmake_parse_arguments(arg "TEST_ONLY" "" "" ${ARGN})
  if(TARGET ${what})
    get_target_property(file ${what} LOCATION)
  else()
    set(file ${what})
  endif()
  get_filename_component(name ${file} NAME)
  set(out ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${subdir}${name})
  add_custom_command(OUTPUT ${out} COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${out}
                     DEPENDS ${file} VERBATIM)
  set(KVR_QT_RUNTIME_FILES ${KVR_QT_RUNTIME_FILES} ${out} PARENT_SCOPE)
  if(NOT arg_TEST_ONLY)
    install(FILES ${file} DESTINATION bin/${subdir})
  endif()
endfunction()

foreach(module Core Gui Widgets)
  kvr_qt_runtime(Qt6::${module} "")
endforeach()
kvr_qt_runtime(Qt6::QWindowsIntegrationPlugin platforms/)
kvr_qt_runtime(Qt6::QWindowsVistaStylePlugin styles/)
# The window tests only: QtTest and the platform they run on.
kvr_qt_runtime(Qt6::Test "" TEST_ONLY)
kvr_qt_runtime(Qt6::QOffscreenIntegrationPlugin platforms/ TEST_ONLY)

foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${file}" OR NOT EXISTS "${file}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
  endif()
  kvr_qt_runtime(${file} "")
endforeach()

add_custom_target(kvr-qt-runtime ALL DEPENDS ${KVR_QT_RUNTIME_FILES})
add_dependencies(kvrgui kvr-qt-runtime)
