# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in a build folder makes kvrdesk_VERSION_amd64.deb (scripts/package-linux.sh).
# Its dependencies come from dpkg-shlibdeps; the documentation lintian looks for is
# installed beside the program.
set(KVR_DEB_DOC ${CMAKE_BINARY_DIR}/debian-doc)
add_custom_command(
  OUTPUT ${KVR_DEB_DOC}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KVR_DEB_DOC}
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/dist/debian/changelog > ${KVR_DEB_DOC}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/dist/debian/changelog
  COMMENT "Compressing the package's changelog")
add_custom_target(kvr-deb-doc ALL DEPENDS ${KVR_DEB_DOC}/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/dist/debian/copyright ${KVR_DEB_DOC}/changelog.gz DESTINATION share/doc/kvrdesk)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvrdesk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR kvrdesk)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/debian_drop_licence.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "kvrdesk developers <maintainers@kvrdesk.net>")
# Not "games": it holds no game, and lintian keeps that section for games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's readers of TGA, TIFF and WebP pictures, which a painter may save; PNG, JPEG, GIF and
# BMP need nothing more.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the data of the racing game Kavorra")
# CPack puts the summary first and indents these lines itself; an empty line parts paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "kvrdesk reads every editable value of an installed copy of Kavorra: teams,
drivers, car numbers, grip, engine power, weights, rev LEDs, nose cones, pit
lane, cameras, failures, colours, helmets, paintings and the computer cars'
setup per track. Edit them in one small window per topic, keep them in
settings files, and write them back into the game.

The package also holds kvrdesk-cli, which offers the same data on the command
line, and kvrjam, the texture converter the editor calls.")
include(CPack)
