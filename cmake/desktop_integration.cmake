# SPDX-License-Identifier: GPL-3.0-or-later
# What a desktop expects around the programs: the README and the licence beside them (the
# About window links to both), and on Linux the software centre's description with this
# version, the MIME types of the settings files and patches, the manual pages made from
# the programs' own --help, and the command line's bash completion. The build tree gets
# the installed shape, as for the data.

configure_file(${CMAKE_SOURCE_DIR}/README.md ${CMAKE_BINARY_DIR}/share/doc/kvrdesk/README.md COPYONLY)
configure_file(${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/share/doc/kvrdesk/LICENSE COPYONLY)
install(FILES ${CMAKE_BINARY_DIR}/share/doc/kvrdesk/README.md ${CMAKE_BINARY_DIR}/share/doc/kvrdesk/LICENSE
        DESTINATION share/doc/kvrdesk)
if(WIN32)
  return()
endif()

set(KVR_METAINFO ${CMAKE_BINARY_DIR}/share/metainfo/net.kvrdesk.kvrdesk.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/dist/net.kvrdesk.kvrdesk.metainfo.xml.in ${KVR_METAINFO} @ONLY)
install(FILES ${KVR_METAINFO} DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/dist/net.kvrdesk.kvrdesk.mime.xml DESTINATION share/mime/packages
        RENAME net.kvrdesk.kvrdesk.xml)
install(FILES ${CMAKE_SOURCE_DIR}/dist/bash-completion/kvrdesk-cli DESTINATION share/bash-completion/completions)

# Manual pages, dated by the release so that a rebuild makes the same bytes.
find_program(KVR_HELP2MAN help2man)
if(NOT KVR_HELP2MAN)
  message(STATUS "help2man not found (Debian: apt-get install help2man): no manual pages")
  return()
endif()
execute_process(COMMAND date -u -d ${KVR_RELEASE_DATE} +%s OUTPUT_VARIABLE KVR_RELEASE_EPOCH
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(KVR_MAN_DIR ${CMAKE_BINARY_DIR}/share/man/man1)
set(KVR_MAN_PAGES)
# A page made by help2man from `target --help` and --version, with the sections of
# dist/man/TARGET.h2m and of any further include files (ARGN) that the build makes.
function(kvr_manual_page target name)
  set(page ${KVR_MAN_DIR}/${target}.1)
  set(includes ${CMAKE_SOURCE_DIR}/dist/man/${target}.h2m ${ARGN})
  list(TRANSFORM includes PREPEND --include= OUTPUT_VARIABLE include_options)
  add_custom_command(
    OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KVR_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${KVR_RELEASE_EPOCH} QT_QPA_PLATFORM=offscreen
            ${KVR_HELP2MAN} --no-info --section=1 --source=kvrdesk --manual=kvrdesk "--name=${name}"
            ${include_options} --output=${page} $<TARGET_FILE:${target}>
    COMMAND gzip -9nkf ${page}
    DEPENDS ${target} ${includes}
    COMMENT "Making the manual page ${target}(1) from ${target} --help"
    VERBATIM)
  install(FILES ${page}.gz DESTINATION share/man/man1)
  set(KVR_MAN_PAGES ${KVR_MAN_PAGES} ${page} ${page}.gz PARENT_SCOPE)
endfunction()
# Every command of the command line with its options, from its own --help.
set(KVR_CLI_COMMANDS ${CMAKE_BINARY_DIR}/man/kvrdesk-cli-commands.h2m)
add_custom_command(
  OUTPUT ${KVR_CLI_COMMANDS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND ${CMAKE_SOURCE_DIR}/cmake/cli_manual_commands.sh $<TARGET_FILE:kvrdesk-cli> ${KVR_CLI_COMMANDS}
  DEPENDS kvrdesk-cli ${CMAKE_SOURCE_DIR}/cmake/cli_manual_commands.sh
  COMMENT "Listing kvrdesk-cli's commands for its manual page"
  VERBATIM)
kvr_manual_page(kvrdesk-cli "the kvrdesk editor's data, files and pictures on the command line" ${KVR_CLI_COMMANDS})
kvr_manual_page(kvrjam "convert the racing game Kavorra's textures to bitmaps and back")
if(TARGET kvrdesk)
  kvr_manual_page(kvrdesk "editor for the data of the racing game Kavorra")
endif()
add_custom_target(kvr-manual-pages ALL DEPENDS ${KVR_MAN_PAGES})
