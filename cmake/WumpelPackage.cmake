# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# What a Debian system expects beside the programs, and the .debs made of it
# all: after a Release build, `cpack -G DEB` in the build folder writes
# wumpel-verse_<version>_<arch>.deb, the command-line tool alone, and
# wumpel_<version>_<arch>.deb, the window with everything it needs.

# Text toys are games on Debian: the programs go where every user's PATH
# finds games, and their manual pages into section 6.
set(WUMPEL_INSTALL_GAMESDIR games)

# Every install rule belongs to the window's package unless it names the
# tool's, so that nothing of Qt's world ends up in a server's install.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME wumpel)
set(components wumpel-verse)
if(WUMPEL_BUILD_UI)
    list(APPEND components wumpel)
endif()

# Debian keeps manual pages and changelogs compressed; -n leaves the name and
# time out of the gzip header, so the same source gives the same bytes.
find_program(GZIP gzip REQUIRED)
function(wumpel_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${GZIP} -9nc ${source} > ${output}
        DEPENDS ${source}
        COMMENT "Compressing ${output}"
        VERBATIM)
endfunction()

set(compressed)
foreach(component IN LISTS components)
    configure_file(${PROJECT_SOURCE_DIR}/man/${component}.6.in ${PROJECT_BINARY_DIR}/man/${component}.6 @ONLY)
    wumpel_gzip(${PROJECT_BINARY_DIR}/man/${component}.6 ${PROJECT_BINARY_DIR}/man/${component}.6.gz)
    list(APPEND compressed ${PROJECT_BINARY_DIR}/man/${component}.6.gz)
    install(FILES ${PROJECT_BINARY_DIR}/man/${component}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6
        COMPONENT ${component})
endforeach()

# One changelog for both packages, as they come from one source. A package
# whose version has no Debian revision is native, and its changelog is called
# changelog.gz.
wumpel_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${PROJECT_BINARY_DIR}/changelog.gz)
list(APPEND compressed ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_target(wumpel_compressed_docs ALL DEPENDS ${compressed})

# The tool is Wumpel's own code alone. The window's package also carries the
# page, whose module and script hold parts of emscripten's libraries and
# runtime: its copyright file adds theirs, the same text the page carries.
set(own_copyright ${PROJECT_SOURCE_DIR}/packaging/copyright)
set(page_parts_copyright ${PROJECT_SOURCE_DIR}/packaging/page-parts.copyright)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${own_copyright} ${page_parts_copyright})
file(READ ${own_copyright} own_notice)
file(READ ${page_parts_copyright} page_parts_notice)
file(WRITE ${PROJECT_BINARY_DIR}/packaging/wumpel/copyright "${own_notice}\n${page_parts_notice}")
set(copyright_wumpel ${PROJECT_BINARY_DIR}/packaging/wumpel/copyright)
set(copyright_wumpel-verse ${own_copyright})
foreach(component IN LISTS components)
    install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${copyright_${component}}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${component} COMPONENT ${component})
endforeach()

# Lintian's findings that do not apply, each with its reason: for the
# packages only, which install each component by name, not for a plain
# cmake --install.
foreach(component IN LISTS components)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/${component}.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${component}
        COMPONENT ${component} EXCLUDE_FROM_ALL)
endforeach()
if(WUMPEL_WEB_PAGE)
    install(FILES ${WUMPEL_WEB_PAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/wumpel)
endif()

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${components})
set(CPACK_PACKAGE_NAME wumpel)
set(CPACK_PACKAGE_VENDOR "The Wumpel developers")
set(CPACK_PACKAGE_CONTACT "The Wumpel developers <wumpel@example.org>")
# Each package's summary is the first line of its own description; an empty
# common summary keeps CPack from putting one above both.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_DEBIAN_WUMPEL-VERSE_PACKAGE_NAME wumpel-verse)
set(CPACK_DEBIAN_WUMPEL-VERSE_DESCRIPTION [=[
random German three-line nonsense verses on the command line
wumpel-verse makes random German three-line nonsense verses, Dreizeiler,
from a list of nouns with their articles read from a file or standard
input: each verse draws nine of them and declines each article for its
gender and its place in the verse. It writes as many verses as asked for,
and the same ones again for the same seed.

It needs neither a display nor Qt; the window that makes the same verses
is in the package wumpel.]=])
set(CPACK_DEBIAN_WUMPEL_PACKAGE_NAME wumpel)
set(CPACK_DEBIAN_WUMPEL_DESCRIPTION [=[
random German three-line nonsense verses in a window
Wumpel makes random German three-line nonsense verses, Dreizeiler, from a
list of nouns: type the nouns with their articles into its window, or load
one of three example lists, and every click adds a verse of nine of them,
each with an article declined for its gender and its place in the verse.

The package also holds the same window as one web page for any browser,
/usr/share/wumpel/wumpel.html.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides the libraries the window links: the faces drawn to the widths it
# was laid out in, and Qt's German texts for its own menus.
set(CPACK_DEBIAN_WUMPEL_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation, qt6-translations-l10n")
# Qt's Wayland platform, without which the window cannot open on a desktop
# without X11 (Qt brings its X11 platform itself). Recommended rather than
# required: the window works fully without it on X11, and it costs 20 more
# packages and 31 MB, Qt Quick and a Wayland compositor's libraries among
# them; apt installs it unless asked not to.
# The window does not need wumpel-verse either, but whoever installs Wumpel
# expects both programs, and the tool costs nothing the window does not
# already pull in.
set(CPACK_DEBIAN_WUMPEL_PACKAGE_RECOMMENDS "qt6-wayland, wumpel-verse (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Stripped as Debian's own packages are, in the staging folder before the
# packages are made of it.
set(CPACK_STRIP_FILES OFF)
set(CPACK_WUMPEL_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/WumpelStrip.cmake)
include(CPack)
