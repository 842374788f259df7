# cmake --install: the shared libraries with their SONAMEs and version links, the kelvo/
# headers, the CMake package (find_package(KelvoLib)) and the pkg-config files, in the
# GNUInstallDirs places. Components: runtime (libraries), development (headers, link names,
# CMake and pkg-config files), and the same two for KelvoQt; each is one Debian package.

include(CMakePackageConfigHelpers)

set(KELVO_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/KelvoLib)
set(KELVO_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# libKelvoLib.so.2 -> libKelvoLib.so.2.0.2: the SONAME changes with the major version, when
# the interface stops being compatible.
set_target_properties(KelvoLib kelvoplatform PROPERTIES
  VERSION ${PROJECT_VERSION}
  SOVERSION ${PROJECT_VERSION_MAJOR})

install(TARGETS KelvoLib kelvoplatform EXPORT KelvoLibTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development)
install(FILES ${KELVO_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kelvo COMPONENT development)
install(EXPORT KelvoLibTargets NAMESPACE KelvoLib:: DESTINATION ${KELVO_INSTALL_CMAKEDIR}
  COMPONENT development)

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/KelvoLibConfig.cmake.in
  ${CMAKE_BINARY_DIR}/package/KelvoLibConfig.cmake
  INSTALL_DESTINATION ${KELVO_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/KelvoLibConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package/KelvoLibConfig.cmake ${CMAKE_BINARY_DIR}/package/KelvoLibConfigVersion.cmake
  DESTINATION ${KELVO_INSTALL_CMAKEDIR} COMPONENT development)

# A pkg-config file names its prefix, which is known only when installing: cmake --install
# --prefix may move it. So the file is made from its template at install time.
function(kelvo_install_pkgconfig_file name component)
  set(template ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${name}.pc.in)
  set(configured ${CMAKE_BINARY_DIR}/package/${name}.pc.in)
  configure_file(${template} ${configured} @ONLY)
  set(installed ${CMAKE_BINARY_DIR}/package/install-time/${name}.pc)
  install(CODE "
    file(READ \"${configured}\" text)
    string(REPLACE \"@KELVO_INSTALL_PREFIX@\" \"\${CMAKE_INSTALL_PREFIX}\" text \"\${text}\")
    file(WRITE \"${installed}\" \"\${text}\")
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${KELVO_INSTALL_PKGCONFIGDIR}\" TYPE FILE
         FILES \"${installed}\")"
    COMPONENT ${component})
endfunction()
# Kept in the configured template for the install step to fill in.
set(KELVO_INSTALL_PREFIX "@KELVO_INSTALL_PREFIX@")
kelvo_install_pkgconfig_file(kelvolib development)

if(TARGET KelvoQt)
  set_target_properties(KelvoQt PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  install(TARGETS KelvoQt EXPORT KelvoQtTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT qt_runtime NAMELINK_COMPONENT qt_development)
  install(FILES ${KELVO_QT_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kelvo COMPONENT qt_development)
  install(EXPORT KelvoQtTargets NAMESPACE KelvoLib:: DESTINATION ${KELVO_INSTALL_CMAKEDIR}
    COMPONENT qt_development)
  kelvo_install_pkgconfig_file(kelvoqt qt_development)
endif()
