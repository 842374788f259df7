cmake_minimum_required(VERSION 3.25)
# A seed repeats its run exactly: two runs of the same seed make the same calls with the
# same arguments, so that the command a failed run prints finds the same failure.
foreach(run 1 2)
  execute_process(COMMAND ${DRIVER} --seed 11 --calls 400 --trace
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE trace_${run})
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the run failed (${result}):\n${trace_${run}}")
  endif()
endforeach()
if(NOT trace_1 STREQUAL trace_2)
  message(FATAL_ERROR "two runs of seed 11 made different calls")
endif()
string(LENGTH "${trace_1}" length)
message(STATUS "seed 11 made the same calls twice (${length} bytes of trace)")
