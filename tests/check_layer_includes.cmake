# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

cmake_policy(VERSION 3.25)

# Fails when a source includes a header of a layer above its own. The layers,
# each using only those before it: engine <- frontend <- {ui, cli, web} <- app.
# Every library sees the whole source root, so only this check keeps a lower
# layer from naming a higher one's header. The engine and frontend are also
# kept free of Qt, so the tool, the page and the fuzzers build without it.
set(layers engine frontend ui cli web app)
set(engine_may engine)
set(frontend_may engine frontend)
set(ui_may engine frontend ui)
set(cli_may engine frontend cli)
set(web_may engine frontend web)
set(app_may engine frontend ui cli web app)
set(toolkit_free engine frontend)

set(offenders "")
set(count 0)
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    if(NOT sources)
        message(FATAL_ERROR "no sources found in ${SOURCE_DIR}/${layer}")
    endif()
    foreach(source IN LISTS sources)
        math(EXPR count "${count} + 1")
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            string(REGEX MATCH "[<\"]([^/>\"]+)/" folder "${line}")
            set(folder "${CMAKE_MATCH_1}")
            if(folder IN_LIST layers AND NOT folder IN_LIST ${layer}_may)
                list(APPEND offenders "${source}: ${line} (${layer} may use only: ${${layer}_may})")
            endif()
            if(layer IN_LIST toolkit_free AND line MATCHES "[<\"](Q|qt)")
                list(APPEND offenders "${source}: ${line} (${layer} stays free of Qt)")
            endif()
        endforeach()
    endforeach()
endforeach()
if(offenders)
    list(JOIN offenders "\n" report)
    message(FATAL_ERROR "includes that cross the layer order:\n${report}")
endif()
message(STATUS "${count} sources checked, every include keeps to the layer order")
