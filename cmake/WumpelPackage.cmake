# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# What a Debian system expects beside the programs, and the .deb made of it all:
# after a Release build, `cpack -G DEB` in the build folder writes
# wumpel_<version>_<arch>.deb.

set(WUMPEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/wumpel)

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

set(pages wumpel-verse.6)
if(WUMPEL_BUILD_UI)
    list(APPEND pages wumpel.6)
endif()
set(compressed)
foreach(page IN LISTS pages)
    configure_file(${PROJECT_SOURCE_DIR}/man/${page}.in ${PROJECT_BINARY_DIR}/man/${page} @ONLY)
    wumpel_gzip(${PROJECT_BINARY_DIR}/man/${page} ${PROJECT_BINARY_DIR}/man/${page}.gz)
    list(APPEND compressed ${PROJECT_BINARY_DIR}/man/${page}.gz)
    install(FILES ${PROJECT_BINARY_DIR}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()

# A package whose version has no Debian revision is native, and its changelog
# is called changelog.gz.
wumpel_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${PROJECT_BINARY_DIR}/changelog.gz)
list(APPEND compressed ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
    DESTINATION ${WUMPEL_DOC_DIR})
add_custom_target(wumpel_compressed_docs ALL DEPENDS ${compressed})

if(WUMPEL_WEB_PAGE)
    install(FILES ${WUMPEL_WEB_PAGE} DESTINATION ${CMAKE_INSTALL_DATADIR}/wumpel)
endif()

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wumpel)
set(CPACK_PACKAGE_VENDOR "The Wumpel developers")
set(CPACK_PACKAGE_CONTACT "The Wumpel developers <wumpel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random German three-line nonsense verses")
set(CPACK_PACKAGE_DESCRIPTION [=[
Wumpel makes random German three-line nonsense verses, Dreizeiler, from a
list of nouns: type the nouns with their articles into its window, or load
one of three example lists, and every click adds a verse of nine of them,
each with an article declined for its gender and its place in the verse.

The package also holds wumpel-verse, which writes the same verses on the
command line, as many as asked for and reproducibly for a given seed.]=])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian's games section would want the programs in /usr/games; they stay in
# /usr/bin, where every session's PATH finds them.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides the libraries: the faces drawn to the widths the window was laid
# out in, and Qt's German texts for its own menus.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
