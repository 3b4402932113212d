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

# The pkg-config file finds its prefix from its own folder, so that an
# installation made with `cmake --install --prefix <dir>`, or moved, still
# names its own headers and library rather than the configured prefix.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(FPGEOM_PC_PREFIX "${CMAKE_INSTALL_PREFIX}")
else()
  file(RELATIVE_PATH FPGEOM_PC_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
  string(REGEX REPLACE "/$" "" FPGEOM_PC_PREFIX "\${pcfiledir}/${FPGEOM_PC_PREFIX}")
endif()
foreach(dir LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dir}}")
    set(FPGEOM_PC_${dir} "${CMAKE_INSTALL_${dir}}")
  else()
    set(FPGEOM_PC_${dir} "\${prefix}/${CMAKE_INSTALL_${dir}}")
  endif()
endforeach()
configure_file(cmake/fpgeom.pc.in ${CMAKE_CURRENT_BINARY_DIR}/fpgeom.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/fpgeom.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
