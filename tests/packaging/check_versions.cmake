# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# The version in project() is the one the package carries; the changelog and the
# AppStream releases are written by hand and must name it as their newest entry.
file(STRINGS "${SOURCE_DIR}/packaging/changelog" first_line LIMIT_COUNT 1)
if(NOT first_line MATCHES "^wumpel \\(${VERSION}\\) ")
    message(FATAL_ERROR "the changelog's newest entry is not version ${VERSION}: ${first_line}")
endif()
file(READ "${SOURCE_DIR}/ui/org.wumpel.Wumpel.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<releases>[ \t\r\n]*<release version=\"([^\"]*)\"")
    message(FATAL_ERROR "the metainfo has no release")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "the metainfo's newest release is ${CMAKE_MATCH_1}, not ${VERSION}")
endif()
