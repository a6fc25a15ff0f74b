# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# Installs the build into a scratch prefix and checks that the program and its
# desktop files land where desktops look for them, under matching names.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    bin/wumpel
    share/applications/org.wumpel.Wumpel.desktop
    share/icons/hicolor/32x32/apps/org.wumpel.Wumpel.png
    share/metainfo/org.wumpel.Wumpel.metainfo.xml)
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/org.wumpel.Wumpel.desktop" icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=org.wumpel.Wumpel")
    message(FATAL_ERROR "the desktop entry names another icon: ${icon}")
endif()
file(READ "${PREFIX}/share/icons/hicolor/32x32/apps/org.wumpel.Wumpel.png" header LIMIT 24 HEX)
# PNG signature, then an IHDR of 32 x 32.
if(NOT header MATCHES "^89504e470d0a1a0a0000000d4948445200000020" OR NOT header MATCHES "00000020$")
    message(FATAL_ERROR "the icon is not a 32 x 32 PNG: ${header}")
endif()
