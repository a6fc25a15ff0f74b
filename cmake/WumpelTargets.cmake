# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

option(WUMPEL_WARNINGS_AS_ERRORS "Stop the build at any compiler warning (for development and CI)" OFF)

# Options every target of the project's own shares: strict warnings, and for
# development and CI, warnings as errors. Left off for everyone else, since a
# newer compiler may warn about code this one accepts.
function(wumpel_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
    if(WUMPEL_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Instruments everything built after this point, tests and tools alike. Any
# finding stops the program, so a test cannot pass over undefined behaviour.
if(WUMPEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
