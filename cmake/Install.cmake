# Install rules, split into the components that the Debian packages are made
# of: runtime (the shared libraries), development (headers, link names, static
# libraries, the CMake package and fpgeom.pc), tools (the fpgeom program) and
# python (the Python module, when it is built).
include(CMakePackageConfigHelpers)

set(FPGEOM_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/fpgeom)

# fpgeom_install_library(<target> [HEADERS <folder>...]): installs a library of
# the fpgeom CMake package (fpgeom::<export name>). A shared library goes to
# the runtime component and its link name to the development one, as does a
# static library; each HEADERS folder holds an include/ tree to install.
function(fpgeom_install_library target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "HEADERS")
  install(TARGETS ${target} EXPORT fpgeomTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT development
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  foreach(folder IN LISTS arg_HEADERS)
    install(DIRECTORY ${folder}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
  endforeach()
endfunction()

fpgeom_install_library(fpgeom HEADERS ${PROJECT_SOURCE_DIR}/include)

install(EXPORT fpgeomTargets NAMESPACE fpgeom:: DESTINATION ${FPGEOM_CMAKE_DIR} COMPONENT development)
configure_package_config_file(cmake/fpgeomConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/fpgeomConfig.cmake
  INSTALL_DESTINATION ${FPGEOM_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/fpgeomConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/fpgeomConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/fpgeomConfigVersion.cmake
  DESTINATION ${FPGEOM_CMAKE_DIR} COMPONENT development)

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
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/fpgeom.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT development)
