# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless BINARY carries what lintian looks for: immediate binding, RELRO, PIE,
# fortified calls and the stack protector.
execute_process(COMMAND ${READELF} -dlW --dyn-syms ${BINARY} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "readelf failed on ${BINARY}")
endif()
foreach(want "FLAGS_1[^\n]*NOW" "FLAGS_1[^\n]*PIE" "GNU_RELRO" "__[a-z_]+_chk@" "__stack_chk_fail")
  if(NOT out MATCHES "${want}")
    message(FATAL_ERROR "${BINARY} lacks ${want}")
  endif()
endforeach()
