# The platform layer registers nothing to run at exit: its tables are made once and never
# destroyed (platform/base/no_destructor.h), so no exit order can free one while another
# library's exit handler still uses it. A static with a destructor imports __cxa_atexit.
#   cmake -DLIBRARY=libkelvoplatform.so -P check_no_exit_destructors.cmake
execute_process(COMMAND nm -D --undefined-only "${LIBRARY}" OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
if(symbols MATCHES "__cxa_atexit|[^_]atexit@")
  message(FATAL_ERROR "${LIBRARY} registers exit-time destructors: a static with a destructor was added; "
                      "keep it in a NoDestructor")
endif()
message(STATUS "${LIBRARY} registers nothing to run at exit")
