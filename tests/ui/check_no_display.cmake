# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# Started without a display, the window must say so in one line on standard
# error and exit 1, not end in Qt's abort with a core dump.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            ${WUMPEL}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE error
    TIMEOUT 20)
if(NOT status STREQUAL "1" OR NOT output STREQUAL "" OR NOT error MATCHES "^wumpel: no display found[^\n]*\n$")
    message(FATAL_ERROR "exit ${status}, standard output '${output}', standard error '${error}'")
endif()
