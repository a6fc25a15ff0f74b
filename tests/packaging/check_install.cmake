# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# Installs each package's part of the build into a scratch prefix of its own
# and checks that exactly the files a user needs land there, under the names
# desktops and man look for: no test, benchmark or build tool among them,
# nothing missing, and nothing of the window's in the command-line tool's.
function(check_component component)
    set(prefix "${PREFIX}/${component}")
    file(REMOVE_RECURSE "${prefix}")
    execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --component ${component}
            --prefix "${prefix}"
        RESULT_VARIABLE result OUTPUT_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "cmake --install of ${component} failed: ${result}")
    endif()
    file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${prefix}" "${prefix}/*")
    set(expected ${ARGN})
    list(SORT installed)
    list(SORT expected)
    if(NOT installed STREQUAL expected)
        set(extra ${installed})
        list(REMOVE_ITEM extra ${expected})
        set(missing ${expected})
        list(REMOVE_ITEM missing ${installed})
        message(FATAL_ERROR
            "${component}: installed but not expected: ${extra}\nexpected but not installed: ${missing}")
    endif()
endfunction()

check_component(wumpel-verse
    games/wumpel-verse
    share/doc/wumpel-verse/changelog.gz
    share/doc/wumpel-verse/copyright
    share/lintian/overrides/wumpel-verse
    share/man/man6/wumpel-verse.6.gz)

set(icon_sizes 16 22 24 32 48 64 128 256)
if(WITH_UI)
    set(expected
        games/wumpel
        share/applications/org.wumpel.Wumpel.desktop
        share/doc/wumpel/changelog.gz
        share/doc/wumpel/copyright
        share/icons/hicolor/scalable/apps/org.wumpel.Wumpel.svg
        share/lintian/overrides/wumpel
        share/man/man6/wumpel.6.gz
        share/metainfo/org.wumpel.Wumpel.metainfo.xml)
    foreach(size IN LISTS icon_sizes)
        list(APPEND expected share/icons/hicolor/${size}x${size}/apps/org.wumpel.Wumpel.png)
    endforeach()
endif()
if(WITH_WEB_PAGE)
    list(APPEND expected share/wumpel/wumpel.html)
endif()
check_component(wumpel ${expected})

foreach(component IN ITEMS wumpel-verse wumpel)
    set(page "${PREFIX}/${component}/share/man/man6/${component}.6.gz")
    if(EXISTS "${page}")
        file(READ "${page}" header LIMIT 2 HEX)
        if(NOT header STREQUAL "1f8b")
            message(FATAL_ERROR "${page} is not gzip-compressed")
        endif()
    endif()
endforeach()

if(NOT WITH_UI)
    return()
endif()
file(STRINGS "${PREFIX}/wumpel/share/applications/org.wumpel.Wumpel.desktop" icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=org.wumpel.Wumpel")
    message(FATAL_ERROR "the desktop entry names another icon: ${icon}")
endif()
# Each PNG starts with the signature and an IHDR whose width and height are the
# size its folder promises.
foreach(size IN LISTS icon_sizes)
    set(png "${PREFIX}/wumpel/share/icons/hicolor/${size}x${size}/apps/org.wumpel.Wumpel.png")
    file(READ "${png}" header LIMIT 24 HEX)
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "" side "${side}")
    string(LENGTH "${side}" digits)
    math(EXPR padding "8 - ${digits}")
    string(REPEAT "0" ${padding} zeros)
    set(side "${zeros}${side}")
    if(NOT header STREQUAL "89504e470d0a1a0a0000000d49484452${side}${side}")
        message(FATAL_ERROR "${png} is not a ${size} x ${size} PNG: ${header}")
    endif()
endforeach()
