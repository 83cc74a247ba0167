# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack before it packs the .deb: Debian keeps the GPL's text for every package in
# /usr/share/common-licenses, which the package's copyright names, so the package carries
# no copy of its own.
file(GLOB_RECURSE kvr_licences "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/kvrdesk/LICENSE"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/share/doc/kvrdesk/LICENSE")
if(NOT kvr_licences)
  message(FATAL_ERROR "no share/doc/kvrdesk/LICENSE below ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
file(REMOVE ${kvr_licences})
