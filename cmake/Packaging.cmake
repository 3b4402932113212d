# Debian packages made by `cpack` from a build tree configured with
# -DCMAKE_INSTALL_PREFIX=/usr: one package per install component. A component
# that no install rule uses (python, when the module is not built) makes no
# package.
set(FPGEOM_DEB_MAINTAINER "The fpgeom developers <fpgeom@users.noreply.example.org>")
set(FPGEOM_DEB_RELEASE 1)

set(FPGEOM_DEB_PACKAGE_runtime libfpgeom${PROJECT_VERSION_MAJOR})
set(FPGEOM_DEB_SECTION_runtime libs)
set(FPGEOM_DEB_SUMMARY_runtime "two-dimensional double-precision geometry library")
set(FPGEOM_DEB_DETAILS_runtime "fpgeom offers points, rectangles, segments and polygons with a cursor,
clean-up, self-intersection breakdown, rectangle clipping, regions, binary
archives and a shared topology, computed bit for bit reproducibly.
This package holds the shared library.")

set(FPGEOM_DEB_PACKAGE_development libfpgeom-dev)
set(FPGEOM_DEB_SECTION_development libdevel)
set(FPGEOM_DEB_SUMMARY_development "two-dimensional double-precision geometry library - development files")
set(FPGEOM_DEB_DETAILS_development "fpgeom offers points, rectangles, segments and polygons with a cursor,
clean-up, self-intersection breakdown, rectangle clipping, regions, binary
archives and a shared topology.
This package holds the headers, the link library, the static libraries of the
modules beside it, the CMake package (find_package(fpgeom)) and fpgeom.pc.")

set(FPGEOM_DEB_PACKAGE_tools fpgeom-tools)
set(FPGEOM_DEB_SECTION_tools science)
set(FPGEOM_DEB_SUMMARY_tools "command-line tool for two-dimensional geometry")
set(FPGEOM_DEB_DETAILS_tools "The fpgeom program reads WKT, GeoJSON and fpgeom archives, reports on rings,
cleans, clips and breaks them down, builds shared topologies and renders SVG.")

set(FPGEOM_DEB_PACKAGE_python python3-fpgeom)
set(FPGEOM_DEB_SECTION_python python)
set(FPGEOM_DEB_SUMMARY_python "two-dimensional double-precision geometry - Python 3 module")
set(FPGEOM_DEB_DETAILS_python "The fpgeom geometry library for Python 3.")

get_cmake_property(FPGEOM_INSTALLED_COMPONENTS COMPONENTS)
foreach(component IN LISTS FPGEOM_INSTALLED_COMPONENTS)
  if(NOT component MATCHES "^(runtime|development|tools|python)$")
    message(WARNING "Install component '${component}' is in no Debian package: "
                    "give its install rules COMPONENT runtime, development, tools or python "
                    "(fpgeom_install_library does so for a library)")
  endif()
endforeach()
set(CPACK_COMPONENTS_ALL "")
foreach(component runtime development tools python)
  if(NOT component IN_LIST FPGEOM_INSTALLED_COMPONENTS)
    continue()
  endif()
  list(APPEND CPACK_COMPONENTS_ALL ${component})
  string(TOUPPER ${component} upper)
  set(package ${FPGEOM_DEB_PACKAGE_${component}})
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
  set(CPACK_DEBIAN_${upper}_PACKAGE_SECTION ${FPGEOM_DEB_SECTION_${component}})
  set(CPACK_COMPONENT_${upper}_DESCRIPTION "${FPGEOM_DEB_SUMMARY_${component}}\n${FPGEOM_DEB_DETAILS_${component}}")
  if(NOT component STREQUAL "runtime")
    set(CPACK_COMPONENT_${upper}_DEPENDS runtime)
  endif()
  # dpkg-shlibdeps finds the shared libraries a package needs; anything else
  # (an interpreter, a Python package) a module names from its own folder with
  #   set_property(GLOBAL APPEND PROPERTY FPGEOM_DEB_DEPENDS_<component> "<package>")
  get_property(depends GLOBAL PROPERTY FPGEOM_DEB_DEPENDS_${component})
  if(component STREQUAL "python")
    list(PREPEND depends python3)
  endif()
  list(JOIN depends ", " CPACK_DEBIAN_${upper}_PACKAGE_DEPENDS)

  # Every Debian package carries its copyright and a changelog.
  set(docs ${PROJECT_BINARY_DIR}/debian-docs/${package})
  file(MAKE_DIRECTORY ${docs})
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
  string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
  string(REGEX REPLACE "\n([^\n])" "\n \\1" license "${license}")
  file(WRITE ${docs}/copyright
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: fpgeom\n\n"
    "Files: *\nCopyright: 2026 The fpgeom developers\nLicense: Expat\n ${license}\n")
  string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
  file(WRITE ${docs}/changelog.Debian
    "${package} (${PROJECT_VERSION}-${FPGEOM_DEB_RELEASE}) unstable; urgency=medium\n\n"
    "  * Release ${PROJECT_VERSION}.\n\n"
    " -- ${FPGEOM_DEB_MAINTAINER}  ${date}\n")
  execute_process(COMMAND gzip -9nf ${docs}/changelog.Debian COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${docs}/copyright ${docs}/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component}
          EXCLUDE_FROM_ALL)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fpgeom)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${FPGEOM_DEB_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${FPGEOM_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The tool and the modules link libfpgeom and libfpgeom_overlay from this
# build tree; the package dependency on them comes from the component
# dependencies below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR} ${PROJECT_BINARY_DIR}/overlay)
# The runtime package states which version of it satisfies a program linked
# against libfpgeom.so.N (its shlibs file), and the others depend on it.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# dpkg runs ldconfig once after installing or removing shared libraries.
file(WRITE ${PROJECT_BINARY_DIR}/debian-docs/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian-docs/triggers)
include(CPack)
