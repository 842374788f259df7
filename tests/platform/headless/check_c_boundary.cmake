# Every function that HEADER declares must be defined in SOURCE with a body that starts by
# handing its work to kp::c_boundary, so that no C++ exception can reach a C caller.
#   cmake -DHEADER=platform/kelvoplatform.h -DSOURCE=platform/headless/c_interface.cpp -P check_c_boundary.cmake
cmake_minimum_required(VERSION 3.25)
file(READ "${HEADER}" header)
file(READ "${SOURCE}" source)
# Semicolons would split CMake lists; C does not need them to be found.
string(REPLACE ";" "," header "${header}")
string(REPLACE ";" "," source "${source}")

# Declarations: a return type at the start of a line, then the name and its parameters.
string(REGEX MATCHALL "\n[A-Za-z_][A-Za-z0-9_ ]*[ *]Kp[A-Za-z0-9_]*\\([^)]*\\)," declarations "${header}")
set(declared "")
foreach(declaration IN LISTS declarations)
  string(REGEX REPLACE "^.*[ *](Kp[A-Za-z0-9_]*)\\(.*$" "\\1" name "${declaration}")
  list(APPEND declared "${name}")
endforeach()
list(LENGTH declared count)
if(count EQUAL 0)
  message(FATAL_ERROR "no Kp functions found in ${HEADER}")
endif()

set(problems "")
foreach(name IN LISTS declared)
  # The definition: name, parameters, then the body's opening brace.
  string(REGEX MATCHALL "[ *]${name}\\([^)]*\\)[ \t\r\n]*{[^\n]*\n[^\n]*" definitions "${source}")
  list(LENGTH definitions found)
  if(NOT found EQUAL 1)
    list(APPEND problems "${name}: ${found} definitions in ${SOURCE}, expected 1")
    continue()
  endif()
  if(NOT definitions MATCHES "{[ \t\r\n]*(return[ \t]+)?kp::c_boundary\\(")
    list(APPEND problems "${name}: the body does not start with kp::c_boundary")
  endif()
endforeach()

if(problems)
  list(JOIN problems "\n  " report)
  message(FATAL_ERROR "C entry points without the exception guard:\n  ${report}")
endif()
message(STATUS "${count} C entry points of ${HEADER} run through kp::c_boundary")
