# The reference manual: Doxygen runs on the C interface with the manual's own configuration,
# in which any warning is a failure (an undocumented function, argument or result, a
# parameter name that does not exist), and every function that the headers declare (LISTS,
# from the compiler) must have a documented entry in it.
# Arguments: DOXYGEN, DOXYFILE (the manual's configuration), OUTPUT (a folder), LISTS (files of
# function names, separated by |).
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${OUTPUT}/xml")
file(MAKE_DIRECTORY "${OUTPUT}")
file(WRITE "${OUTPUT}/Doxyfile" "@INCLUDE = ${DOXYFILE}\nOUTPUT_DIRECTORY = ${OUTPUT}\n")
execute_process(COMMAND "${DOXYGEN}" "${OUTPUT}/Doxyfile" WORKING_DIRECTORY "${OUTPUT}"
  RESULT_VARIABLE failed ERROR_VARIABLE warnings)
if(failed OR warnings)
  message(FATAL_ERROR "Doxygen found problems in the reference manual:\n${warnings}")
endif()

# One list entry per function entry of the XML output: its name and whether it has text.
file(GLOB xml_files "${OUTPUT}/xml/*.xml")
set(documented "")
foreach(xml_file IN LISTS xml_files)
  file(READ "${xml_file}" xml)
  string(REPLACE ";" "" xml "${xml}")
  string(REPLACE "</memberdef>" ";" members "${xml}")
  foreach(member IN LISTS members)
    if(member MATCHES "<memberdef kind=\"function\"" AND member MATCHES "<name>([A-Za-z0-9_]+)</name>")
      set(name "${CMAKE_MATCH_1}")
      if(member MATCHES "<briefdescription>[ \n]*<para>")
        list(APPEND documented "${name}")
      endif()
    endif()
  endforeach()
endforeach()

set(missing "")
set(count 0)
string(REPLACE "|" ";" list_files "${LISTS}")
foreach(list_file IN LISTS list_files)
  file(STRINGS "${list_file}" declared)
  foreach(name IN LISTS declared)
    math(EXPR count "${count} + 1")
    if(NOT name IN_LIST documented)
      list(APPEND missing "${name}")
    endif()
  endforeach()
endforeach()
if(missing)
  message(FATAL_ERROR "not in the reference manual: ${missing}")
endif()
message(STATUS "all ${count} exported functions are documented")
