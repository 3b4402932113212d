include(CMakePackageConfigHelpers)

install(TARGETS fpgeom EXPORT fpgeomTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/fpgeom DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

set(FPGEOM_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/fpgeom)
install(EXPORT fpgeomTargets NAMESPACE fpgeom:: DESTINATION ${FPGEOM_CMAKE_DIR})
configure_package_config_file(cmake/fpgeomConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/fpgeomConfig.cmake
  INSTALL_DESTINATION ${FPGEOM_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/fpgeomConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/fpgeomConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/fpgeomConfigVersion.cmake
  DESTINATION ${FPGEOM_CMAKE_DIR})

configure_file(cmake/fpgeom.pc.in ${CMAKE_CURRENT_BINARY_DIR}/fpgeom.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/fpgeom.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
