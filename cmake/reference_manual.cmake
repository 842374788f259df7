# The reference manual of the C interface, made by Doxygen from the comments of kelvolib.h
# and kelvoplatform.h: `cmake --build build --target reference_manual` writes it to
# build/reference-manual/html (builds for installing make it always). A test runs the same
# Doxygen configuration, which fails on any warning, and checks that every exported function
# has its entry.

option(KELVO_BUILD_MANUAL "Make the reference manual with every build (needs Doxygen)" OFF)
if(KELVO_BUILD_MANUAL)
  find_package(Doxygen REQUIRED)
else()
  find_package(Doxygen QUIET)
endif()
if(NOT DOXYGEN_FOUND)
  message(STATUS "Doxygen not found: no reference manual")
  return()
endif()

set(KELVO_MANUAL_DIR ${CMAKE_BINARY_DIR}/reference-manual)
configure_file(${CMAKE_SOURCE_DIR}/docs/Doxyfile.in ${KELVO_MANUAL_DIR}/Doxyfile @ONLY)
set(kelvo_manual_in_all "")
if(KELVO_BUILD_MANUAL)
  set(kelvo_manual_in_all ALL)
endif()
add_custom_target(reference_manual ${kelvo_manual_in_all}
  COMMAND Doxygen::doxygen ${KELVO_MANUAL_DIR}/Doxyfile
  WORKING_DIRECTORY ${KELVO_MANUAL_DIR}
  COMMENT "Writing the reference manual into ${KELVO_MANUAL_DIR}/html"
  VERBATIM)

# Installed with the development files when it was made before installing.
install(DIRECTORY ${KELVO_MANUAL_DIR}/html/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/reference-manual
  COMPONENT development OPTIONAL)
