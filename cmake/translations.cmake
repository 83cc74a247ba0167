# SPDX-License-Identifier: GPL-3.0-or-later
# The editor's translations: translations/kvrdesk_XX.ts in the sources, made by lupdate
# (target kvr-update-translations), turned into .qm files at build time and installed
# with the program. A cross build has no Qt tools of its own and uses the build machine's.
set(KVR_LANGUAGES de it es fr nl)
set(KVR_TS_FILES)
foreach(lang IN LISTS KVR_LANGUAGES)
  list(APPEND KVR_TS_FILES ${CMAKE_SOURCE_DIR}/translations/kvrdesk_${lang}.ts)
endforeach()
# Where the program finds them: beside it on Windows, in the installed shape elsewhere.
if(WIN32)
  set(KVR_QM_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
  set(KVR_QM_INSTALL_DIR bin/translations)
else()
  set(KVR_QM_DIR ${CMAKE_BINARY_DIR}/share/kvrdesk/translations)
  set(KVR_QM_INSTALL_DIR share/kvrdesk/translations)
endif()

find_program(KVR_LUPDATE NAMES lupdate-qt6 lupdate PATHS /usr/lib/qt6/bin /usr/lib/qt6/libexec NO_CMAKE_FIND_ROOT_PATH)
find_program(KVR_LRELEASE NAMES lrelease-qt6 lrelease PATHS /usr/lib/qt6/bin /usr/lib/qt6/libexec NO_CMAKE_FIND_ROOT_PATH)
if(NOT KVR_LRELEASE)
  message(FATAL_ERROR "lrelease is missing (Debian: apt-get install qt6-l10n-tools qt6-tools-dev)")
endif()
# The core marks its texts without Qt: lupdate reads that marker as its own.
set(KVR_LUPDATE_OPTIONS -tr-function-alias QT_TRANSLATE_NOOP+=KVR_TR_NOOP -extensions cpp,h -locations none
    -no-obsolete -silent)

set(KVR_QM_FILES)
if(NOT CMAKE_CROSSCOMPILING)
  find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
  set_source_files_properties(${KVR_TS_FILES} PROPERTIES OUTPUT_LOCATION ${KVR_QM_DIR})
  qt6_add_lrelease(kvrgui TS_FILES ${KVR_TS_FILES} QM_FILES_OUTPUT_VARIABLE KVR_QM_FILES)
else()
  foreach(ts IN LISTS KVR_TS_FILES)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${KVR_QM_DIR}/${name}.qm)
    add_custom_command(OUTPUT ${qm} COMMAND ${CMAKE_COMMAND} -E make_directory ${KVR_QM_DIR}
                       COMMAND ${KVR_LRELEASE} -silent ${ts} -qm ${qm} DEPENDS ${ts} VERBATIM)
    list(APPEND KVR_QM_FILES ${qm})
  endforeach()
  add_custom_target(kvr-translations ALL DEPENDS ${KVR_QM_FILES})
  add_dependencies(kvrgui kvr-translations)
endif()
install(FILES ${KVR_QM_FILES} DESTINATION ${KVR_QM_INSTALL_DIR})

# Qt's own dialogs in the same languages: Windows has no shared Qt translations folder, so
# the package carries Debian's qtbase files (qt6-translations-l10n) beside ours.
if(WIN32)
  set(KVR_QT_QM_SOURCE /usr/share/qt6/translations CACHE PATH "Qt's own translations (qtbase_XX.qm)")
  foreach(lang IN LISTS KVR_LANGUAGES)
    set(qtqm ${KVR_QT_QM_SOURCE}/qtbase_${lang}.qm)
    if(EXISTS ${qtqm})
      file(COPY ${qtqm} DESTINATION ${KVR_QM_DIR})
      install(FILES ${qtqm} DESTINATION ${KVR_QM_INSTALL_DIR})
    endif()
  endforeach()
endif()

if(KVR_LUPDATE)
  # Refreshes the .ts files from the sources: new texts are added unfinished, texts no
  # longer in the sources are dropped.
  add_custom_target(kvr-update-translations
    COMMAND ${KVR_LUPDATE} ${KVR_LUPDATE_OPTIONS} ${CMAKE_SOURCE_DIR}/src -ts ${KVR_TS_FILES}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)
endif()
