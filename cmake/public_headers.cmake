# The headers programs include, in the folder they are installed in: <kelvo/kelvolib.h>,
# <kelvo/kelvoplatform.h> and, with Qt, <kelvo/kelvoqt.h>. The build tree gets a copy of that
# folder, so that the examples and Kelvotour include them exactly as programs outside do, and
# every library target gets the same names as in the installed CMake package.

set(KELVO_PUBLIC_HEADERS
  ${CMAKE_SOURCE_DIR}/lib/kelvolib.h
  ${CMAKE_SOURCE_DIR}/platform/kelvoplatform.h)
set(KELVO_QT_PUBLIC_HEADERS ${CMAKE_SOURCE_DIR}/qt/kelvoqt.h)

set(KELVO_BUILD_INCLUDE_DIR ${CMAKE_BINARY_DIR}/include)
set(kelvo_public_targets KelvoLib kelvoplatform)
set(kelvo_copied_headers ${KELVO_PUBLIC_HEADERS})
if(TARGET KelvoQt)
  list(APPEND kelvo_public_targets KelvoQt)
  list(APPEND kelvo_copied_headers ${KELVO_QT_PUBLIC_HEADERS})
endif()

foreach(header IN LISTS kelvo_copied_headers)
  get_filename_component(name ${header} NAME)
  configure_file(${header} ${KELVO_BUILD_INCLUDE_DIR}/kelvo/${name} COPYONLY)
endforeach()
foreach(target IN LISTS kelvo_public_targets)
  target_include_directories(${target} INTERFACE
    $<BUILD_INTERFACE:${KELVO_BUILD_INCLUDE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
endforeach()

add_library(KelvoLib::KelvoLib ALIAS KelvoLib)
add_library(KelvoLib::kelvoplatform ALIAS kelvoplatform)
