# SPDX-License-Identifier: GPL-3.0-or-later
# Replays one scenario through tavrimo-script and compares what it prints
# with the "#> " lines of the scenario. A "#! exit N" line sets the expected
# exit code, and "#! stderr TEXT" a line expected on standard error.

file(STRINGS "${SCENARIO}" lines ENCODING UTF-8)
set(expected "")
set(expected_exit 0)
set(expected_stderr "")
foreach(line IN LISTS lines)
  if(line MATCHES "^#> (.*)$")
    string(APPEND expected "${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^#! exit ([0-9]+)$")
    set(expected_exit ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! stderr (.*)$")
    string(APPEND expected_stderr "${CMAKE_MATCH_1}\n")
  endif()
endforeach()

execute_process(COMMAND "${DRIVER}" "${SCENARIO}"
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE code TIMEOUT 50)

set(failed FALSE)
if(NOT code STREQUAL expected_exit)
  message("exit code ${code}, expected ${expected_exit}\n${errors}")
  set(failed TRUE)
endif()
if(NOT actual STREQUAL expected)
  message("--- expected\n${expected}--- actual\n${actual}---")
  set(failed TRUE)
endif()
if(expected_stderr)
  string(REPLACE "${SCENARIO}" "SCENARIO" errors_named "${errors}")
  if(NOT errors_named STREQUAL expected_stderr)
    message("--- expected on stderr\n${expected_stderr}--- actual\n${errors_named}---")
    set(failed TRUE)
  endif()
endif()
if(failed)
  message(FATAL_ERROR "scenario ${SCENARIO} failed")
endif()
