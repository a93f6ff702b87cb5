# Runs the freedesktop validators on Driftwing's launcher and AppStream entries.
# Usage: cmake -DTOOL=desktop-file-validate|appstreamcli -DFILE=<file> -P validate_desktop_files.cmake
# Prints "skipped:" (which the test reads as a skip) when the validator is not installed.
if(TOOL STREQUAL "desktop-file-validate")
  set(args)
elseif(TOOL STREQUAL "appstreamcli")
  set(args validate --no-net)
else()
  message(FATAL_ERROR "unknown validator ${TOOL}")
endif()

find_program(validator ${TOOL})
if(NOT validator)
  message("skipped: ${TOOL} is not installed (run scripts/setup.sh)")
  return()
endif()
if(NOT EXISTS "${FILE}")
  message(FATAL_ERROR "${FILE} does not exist")
endif()

execute_process(COMMAND ${validator} ${args} ${FILE}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${TOOL} ${FILE}:\n${out}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} found faults in ${FILE}")
endif()
# desktop-file-validate reports hints without failing; treat them as faults too.
if(out MATCHES "(error|warning|hint):")
  message(FATAL_ERROR "${TOOL} complains about ${FILE}")
endif()
