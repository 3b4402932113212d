# <fpgeom/Version.h>: the version macros, generated from project(VERSION ...)
# into the build tree's include folder and installed beside the other headers.
set(FPGEOM_GENERATED_INCLUDE_DIR ${CMAKE_CURRENT_BINARY_DIR}/include)
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in ${FPGEOM_GENERATED_INCLUDE_DIR}/fpgeom/Version.h @ONLY)
foreach(target fpgeom fpgeom_objects)
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${FPGEOM_GENERATED_INCLUDE_DIR}>)
endforeach()
install(FILES ${FPGEOM_GENERATED_INCLUDE_DIR}/fpgeom/Version.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/fpgeom
  COMPONENT development)
