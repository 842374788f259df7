# Test names must stay the same from run to run, or `ctest -R` and `ctest --rerun-failed`
# cannot find a test. A parameterised case whose parameter gtest can only print as raw bytes
# ("24-byte object <8A-77 ...>", pointers among them) carries those bytes in its ctest name;
# this fails when a test of the build does (see tests/case_name.h for the cure).
# Arguments: CTEST and BUILD_DIR, the build whose tests are listed, or LISTING, a file that
# stands for the list (for the test that shows the check fails when it should).
cmake_policy(VERSION 3.25)
if(DEFINED LISTING)
  file(READ "${LISTING}" listing)
else()
  execute_process(COMMAND "${CTEST}" -N --test-dir "${BUILD_DIR}"
    OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "ctest could not list the tests of ${BUILD_DIR}:\n${errors}")
  endif()
endif()

# One list entry per test: brackets and semicolons in names would split or join entries.
string(REPLACE ";" "," listing "${listing}")
string(REPLACE "[" "(" listing "${listing}")
string(REPLACE "]" ")" listing "${listing}")
string(REGEX MATCHALL "Test +#[0-9]+: [^\n]*" tests "${listing}")
list(LENGTH tests count)
if(count EQUAL 0)
  message(FATAL_ERROR "no tests listed:\n${listing}")
endif()
set(unreadable "")
foreach(test IN LISTS tests)
  if(test MATCHES "byte object")
    string(APPEND unreadable "\n  ${test}")
  endif()
endforeach()
if(unreadable)
  message(FATAL_ERROR "test names holding a parameter's raw bytes:${unreadable}")
endif()
message(STATUS "all ${count} test names are readable")
