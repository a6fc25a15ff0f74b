# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# Fails when any engine source includes a Qt header: the engine must stay
# usable without the toolkit (the command-line tool, the fuzzer).
file(GLOB_RECURSE sources "${ENGINE_DIR}/*.h" "${ENGINE_DIR}/*.cpp")
if(NOT sources)
    message(FATAL_ERROR "no engine sources found in ${ENGINE_DIR}")
endif()
set(offenders "")
foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt)")
    if(includes)
        list(APPEND offenders "${source}: ${includes}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n" report)
    message(FATAL_ERROR "engine sources include Qt headers:\n${report}")
endif()
list(LENGTH sources count)
message(STATUS "${count} engine sources checked, none includes a Qt header")
