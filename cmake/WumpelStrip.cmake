# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# Run by CPack on its staging folder before it makes the packages: strips every
# program as Debian's dh_strip does, which also drops the compiler's .comment
# and the bare .note section that a plain strip keeps.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS staged)
    if(IS_SYMLINK "${file}")
        continue()
    endif()
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(
            COMMAND "${CPACK_WUMPEL_STRIP}" --remove-section=.comment --remove-section=.note "${file}"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
