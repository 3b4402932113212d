# Installs fpgeom from a build tree into a fresh prefix and builds and runs the
# consumer program against it twice: through the CMake package and through
# pkg-config. Run with cmake -P and these variables:
#   BUILD_DIR     the fpgeom build tree to install
#   WORK_DIR      scratch folder, wiped first
#   CONSUMER_DIR  tests/packaging/consumer
#   GENERATOR, MAKE_PROGRAM, CXX_COMPILER, PKG_CONFIG, INSTALL_LIBDIR

set(prefix "${WORK_DIR}/prefix")
set(libdir "${prefix}/${INSTALL_LIBDIR}")

function(run)
  execute_process(COMMAND ${ARGN} COMMAND_ECHO STDOUT COMMAND_ERROR_IS_FATAL ANY)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")

# Only the fresh prefix may satisfy find_package, never an fpgeom installed on
# the machine or recorded in a package registry; the tools are handed over
# because the system paths are not searched.
set(cmake_consumer "${WORK_DIR}/cmake-consumer")
run("${CMAKE_COMMAND}" -S "${CONSUMER_DIR}" -B "${cmake_consumer}" -G "${GENERATOR}"
    "-DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}"
    "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
    "-DCMAKE_PREFIX_PATH=${prefix}"
    -DCMAKE_FIND_USE_CMAKE_SYSTEM_PATH=OFF
    -DCMAKE_FIND_USE_SYSTEM_ENVIRONMENT_PATH=OFF
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
run("${CMAKE_COMMAND}" --build "${cmake_consumer}")

# PKG_CONFIG_LIBDIR replaces the default search path for the same reason.
set(ENV{PKG_CONFIG_LIBDIR} "${libdir}/pkgconfig")
execute_process(COMMAND "${PKG_CONFIG}" --cflags --libs fpgeom
                OUTPUT_VARIABLE pkg_config_flags OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(pkg_config_flags UNIX_COMMAND "${pkg_config_flags}")
set(pkg_config_consumer "${WORK_DIR}/pkg-config-consumer")
run("${CXX_COMPILER}" -Wall -Wextra -Wpedantic -Werror "${CONSUMER_DIR}/main.cpp" ${pkg_config_flags}
    -o "${pkg_config_consumer}")

# The CMake build gives its program an rpath to the library; the program
# built by hand finds it through the loader's search path.
set(ENV{LD_LIBRARY_PATH} "${libdir}")
run("${cmake_consumer}/consumer")
if(EXISTS "${cmake_consumer}/io_consumer")
  run("${cmake_consumer}/io_consumer")
endif()
run("${pkg_config_consumer}")
