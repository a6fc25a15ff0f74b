# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# Started where no display can be reached, whether none is named or the named
# one is not there, the window must say which in one line on standard error and
# exit 1, not end in Qt's abort with a core dump. SCRATCH is an empty folder to
# look for Wayland sockets in.
file(MAKE_DIRECTORY ${SCRATCH})

# check(<expected standard error> [NAME=value ...] [ARGUMENTS <argument> ...])
function(check expected)
    cmake_parse_arguments(PARSE_ARGV 1 case "" "" "ARGUMENTS")
    foreach(name IN ITEMS DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM XDG_SESSION_TYPE)
        unset(ENV{${name}})
    endforeach()
    set(ENV{XDG_RUNTIME_DIR} ${SCRATCH})
    foreach(assignment IN LISTS case_UNPARSED_ARGUMENTS)
        string(REGEX MATCH "^([^=]*)=(.*)$" unused "${assignment}")
        set(ENV{${CMAKE_MATCH_1}} "${CMAKE_MATCH_2}")
    endforeach()
    execute_process(
        COMMAND ${WUMPEL} ${case_ARGUMENTS}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE output
        ERROR_VARIABLE error
        TIMEOUT 20)
    if(NOT status STREQUAL "1" OR NOT output STREQUAL "" OR NOT error STREQUAL "${expected}\n")
        message(SEND_ERROR "with ${case_UNPARSED_ARGUMENTS} ${case_ARGUMENTS}: exit ${status}, "
                           "standard output '${output}', standard error '${error}'")
    endif()
endfunction()

check("wumpel: no display found (DISPLAY is unset)")
check("wumpel: no display found (cannot reach the X11 display \":999\")" DISPLAY=:999)
# Qt tries Wayland first where a Wayland display is named, then X11.
check("wumpel: no display found (cannot reach the Wayland display \"wumpel-gone\"; DISPLAY is unset)"
    WAYLAND_DISPLAY=wumpel-gone)
# A platform named in QT_QPA_PLATFORM is the only one tried, and -platform
# on the command line wins over it.
check("wumpel: no display found (cannot reach the Wayland display \"${SCRATCH}/gone\")"
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=${SCRATCH}/gone DISPLAY=:999)
check("wumpel: no display found (cannot reach the X11 display \":999\")"
    QT_QPA_PLATFORM=offscreen DISPLAY=:999 ARGUMENTS -platform xcb)
