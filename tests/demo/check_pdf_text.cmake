# The PDFs of the gallery's axes scenes hold their titles and axis labels as text that
# pdftotext finds: cmake -DFOLDER=<gallery> -P check_pdf_text.cmake
find_program(PDFTOTEXT pdftotext REQUIRED)

# scene number, then texts its PDF must hold
set(expectations
  "07|10E4|-10"
  "08|X-axis shown here|Y-axis|-900|700"
  "09|-16|-14|70"
  "13|5 = Triangle|7 = Filled square"
  "14|Kelvo Graphics DLL|The x-axis|The y-axis|-150|350|600|-1000"
  "21|Normal distribution with zero mean|sigma = 1.333|0.35"
  "30|10000")

set(failures 0)
foreach(expectation IN LISTS expectations)
  string(REPLACE "|" ";" parts "${expectation}")
  list(POP_FRONT parts scene)
  set(pdf "${FOLDER}/scene${scene}-graph.pdf")
  execute_process(COMMAND ${PDFTOTEXT} "${pdf}" - OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(SEND_ERROR "pdftotext could not read ${pdf}")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  foreach(wanted IN LISTS parts)
    string(FIND "${text}" "${wanted}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "scene ${scene}: \"${wanted}\" is not text in ${pdf}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()
message(STATUS "${failures} texts missing")
