# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# Options every target of the project's own shares: strict warnings, treated as errors.
function(wumpel_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Werror)
endfunction()

# Instruments everything built after this point, tests and tools alike. Any
# finding stops the program, so a test cannot pass over undefined behaviour.
if(WUMPEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
