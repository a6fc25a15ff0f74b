# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT

# Writes one add_test() per test function of a Qt Test binary into CTEST_FILE.
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${TEST_EXECUTABLE}" -functions
    OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST_EXECUTABLE} -functions failed: ${result}")
endif()
string(REGEX MATCHALL "[A-Za-z_][A-Za-z_0-9]*\\(\\)" functions "${listing}")
if(NOT functions)
    message(FATAL_ERROR "${TEST_EXECUTABLE} lists no test functions")
endif()
set(content "")
foreach(function IN LISTS functions)
    string(REPLACE "()" "" function "${function}")
    string(APPEND content
        "add_test([=[${TEST_PREFIX}.${function}]=] [=[${TEST_EXECUTABLE}]=] [=[${function}]=])\n"
        "set_tests_properties([=[${TEST_PREFIX}.${function}]=] PROPERTIES LABELS ui)\n")
endforeach()
file(WRITE "${CTEST_FILE}" "${content}")
