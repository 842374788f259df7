# cpack -G DEB: one Debian package per install component.
#   libkelvolib2     runtime: libKelvoLib.so.2 and libkelvoplatform.so.2
#   libkelvolib-dev  development: kelvo/ headers, link names, CMake package, kelvolib.pc
#   libkelvoqt2      qt_runtime: libKelvoQt.so.2
#   libkelvoqt-dev   qt_development: kelvo/kelvoqt.h, its link name, CMake targets, kelvoqt.pc
#   python3-kelvolib python: the package kelvo for Debian's python3
# Dependencies are written out rather than computed by dpkg-shlibdeps, which cannot see
# libraries of packages built in the same run; the minimum versions are those it reports for
# Debian 12, and CI checks that every library the packages load comes from a package they
# depend on.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvolib)
set(CPACK_PACKAGE_VENDOR "KelvoLib developers")
set(CPACK_PACKAGE_CONTACT "KelvoLib developers <kelvolib@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
# The pkg-config files are made at install time for the final prefix (/usr), not for the
# folder that CPack gathers a package in.
set(CPACK_SET_DESTDIR ON)
# Debug information stays in the build; the packages carry stripped libraries.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})

# Each description below is its package's summary line and then a paragraph.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime development)
if(TARGET KelvoQt)
  list(APPEND CPACK_COMPONENTS_ALL qt_runtime qt_development)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/kelvolib")

set(kelvo_version "${PROJECT_VERSION}")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libkelvolib${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
  "libc6 (>= 2.35), libstdc++6 (>= 11), libgcc-s1 (>= 7), libfreetype6 (>= 2.4.10), libfontconfig1 (>= 2.13.0), libpng16-16 (>= 1.6.2-1), libcairo2 (>= 1.16), fonts-dejavu-core")
# Times, Helvetica and Courier metrics, and the symbol face; DejaVu stands in without them.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-urw-base35")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "KelvoLib: scientific graphics and numerics in graph windows
The shared library libKelvoLib with its flat C interface (graph windows, drawing,
2D and 3D user coordinates, formulae, root finding, integration, ODE sets, FFT) and
libkelvoplatform, its window system and raster engine with headless hosts.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libkelvolib-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "libkelvolib${PROJECT_VERSION_MAJOR} (= ${kelvo_version})")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SUGGESTS "cmake, pkgconf | pkg-config")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "KelvoLib: development files
The headers kelvo/kelvolib.h and kelvo/kelvoplatform.h, the link names, the CMake
package (find_package(KelvoLib)) and the pkg-config file kelvolib.pc.")

set(CPACK_DEBIAN_QT_RUNTIME_PACKAGE_NAME libkelvoqt${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_QT_RUNTIME_PACKAGE_SECTION libs)
# KelvoQt uses the platform layer's own interface, so it needs exactly this version of it.
set(CPACK_DEBIAN_QT_RUNTIME_PACKAGE_DEPENDS
  "libkelvolib${PROJECT_VERSION_MAJOR} (= ${kelvo_version}), libc6 (>= 2.2.5), libstdc++6 (>= 5), libgcc-s1 (>= 3.0), libqt6core6 (>= 6.4.0), libqt6gui6 (>= 6.1.2), libqt6widgets6 (>= 6.1.2)")
set(CPACK_COMPONENT_QT_RUNTIME_DESCRIPTION "KelvoLib: Qt 6 widget for graph windows
libKelvoQt, a QWidget that hosts KelvoLib's graph windows in any Qt 6 program:
framebuffer, mouse, cursors, message boxes and paced animation.")

set(CPACK_DEBIAN_QT_DEVELOPMENT_PACKAGE_NAME libkelvoqt-dev)
set(CPACK_DEBIAN_QT_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_QT_DEVELOPMENT_PACKAGE_DEPENDS
  "libkelvoqt${PROJECT_VERSION_MAJOR} (= ${kelvo_version}), libkelvolib-dev (= ${kelvo_version}), qt6-base-dev (>= 6.2)")
set(CPACK_COMPONENT_QT_DEVELOPMENT_DESCRIPTION "KelvoLib: development files of the Qt 6 widget
The header kelvo/kelvoqt.h, the link name, the CMake target KelvoLib::KelvoQt and
the pkg-config file kelvoqt.pc.")

# The modules are built for one Python version's ABI (their names say cpython-3XY), so the
# package needs exactly that python3.
if(TARGET kelvo_lib)
  list(APPEND CPACK_COMPONENTS_ALL python)
  string(REPLACE "." ";" python_version "${KELVO_PYTHON_VERSION}")
  list(GET python_version 0 python_major)
  list(GET python_version 1 python_minor)
  math(EXPR python_next_minor "${python_minor} + 1")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-kelvolib)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
    "libkelvolib${PROJECT_VERSION_MAJOR} (= ${kelvo_version}), python3 (>= ${KELVO_PYTHON_VERSION}), python3 (<< ${python_major}.${python_next_minor}), python3-numpy, libc6 (>= 2.32), libstdc++6 (>= 11), libgcc-s1 (>= 3.0)")
  if(TARGET kelvo_window)
    string(APPEND CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
      ", libkelvoqt${PROJECT_VERSION_MAJOR} (= ${kelvo_version}), libqt6core6 (>= 6.4.0), libqt6gui6 (>= 6.1.2), libqt6widgets6 (>= 6.1.2)")
  endif()
  set(CPACK_COMPONENT_PYTHON_DESCRIPTION "KelvoLib for Python: graphs from numpy arrays, formulae and numerics
The package kelvo: graphs drawn offscreen from numpy arrays, formulae and Python
functions, read back as numpy arrays and saved as PNG, SVG or PDF (shown in Jupyter,
or in a window through KelvoQt); formulae on numpy arrays, root finding, minimisation,
integration, the FFT and ODE sets; kelvo.lib, the whole C interface.")
endif()

include(CPack)
