# The Debian packages, the ABI guard and the ways a host project takes fpgeom
# in, for scripts/test. Sourced after common.sh and abi.sh, never run.
# Installing the packages into /usr needs root (CI has it); they are removed
# again on every path, so that no later build or test finds that copy.

FPGEOM_PACKAGING_TOOLS=(help2man dpkg-dev fakeroot file lintian abigail-tools binutils)

# Builds the packages from the release build, reconfigured for /usr so that
# the library lands in the multiarch folder and the tool needs no rpath.
build_packages() {
  configure_release -DCMAKE_INSTALL_PREFIX=/usr
  build build/release
  rm -rf build/release/packages
  (cd build/release && cpack -G DEB)
  # Errors fail the stage; warnings and notes are printed only.
  lintian --fail-on error build/release/packages/*.deb
}

package_names() {
  local deb
  for deb in build/release/packages/*.deb; do
    dpkg-deb --field "$deb" Package
  done
}

remove_packages() {
  local installed=()
  local package
  for package in $(package_names); do
    is_installed "$package" && installed+=("$package")
  done
  if [[ ${#installed[@]} -gt 0 ]]; then
    echo "Removing ${installed[*]}"
    as_root apt-get purge -y -q "${installed[@]}"
  fi
}

# Builds the consumer against /usr with CMake and pkg-config, as C++20 hosts,
# and runs them and the installed tool. Run in a subshell: its trap removes
# the packages however it ends.
check_installed_packages() {
  trap remove_packages EXIT
  trap 'exit 1' INT TERM
  remove_packages
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "$(pwd)"/build/release/packages/*.deb

  local work=build/installed
  rm -rf "$work"
  cmake -S tests/packaging/consumer -B "$work/cmake" -G Ninja -DCMAKE_CXX_STANDARD=20 \
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_CXX_FLAGS=-DFPGEOM_HOST_CXX=202002L
  cmake --build "$work/cmake"
  "$work/cmake/consumer"
  "$work/cmake/io_consumer"

  local multiarch
  multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
  g++ -std=c++20 -DFPGEOM_HOST_CXX=202002L -Wall -Wextra -Wpedantic -Werror tests/packaging/consumer/main.cpp \
    $(pkg-config --cflags --libs fpgeom) -o "$work/pkg-config-consumer"
  "$work/pkg-config-consumer"

  # Every program must load the packaged library, not a build tree's (/lib
  # may be a link to /usr/lib).
  local packaged program loaded
  packaged="$(readlink -f "/usr/lib/$multiarch/libfpgeom.so.0")"
  for program in "$work/cmake/consumer" "$work/pkg-config-consumer" /usr/bin/fpgeom; do
    loaded="$(ldd "$program" | awk '$1 == "libfpgeom.so.0" { print $3 }')"
    if [[ -z "$loaded" || "$(readlink -f "$loaded")" != "$packaged" ]]; then
      echo "$program loads '$loaded', not the packaged $packaged"
      return 1
    fi
  done

  (cd "$work" && /usr/bin/fpgeom demo)
  # The Python module, when it was built, imports from Debian's own folder.
  if is_installed python3-fpgeom; then
    (cd "$work" && /usr/bin/python3 -c 'import fpgeom; assert fpgeom.Polygon([(0, 0), (0, 1), (1, 1)]).area == 0.5')
  fi
  zcat /usr/share/man/man1/fpgeom.1.gz | grep -q '^\.TH FPGEOM'
}

# Builds a C++20 host that takes fpgeom in from this source tree, in each way.
check_subprojects() {
  local way
  for way in add_subdirectory FetchContent; do
    local work=build/subproject-$way
    rm -rf "$work"
    cmake -S tests/packaging/subproject -B "$work" -G Ninja -DFPGEOM_SOURCE_DIR="$(pwd)" -DFPGEOM_TAKE_IN="$way"
    build "$work"
    ctest --test-dir "$work" --output-on-failure
  done
  # BUILD_TESTING=OFF leaves the tests out of fpgeom's own build too.
  rm -rf build/no-testing
  cmake -S . -B build/no-testing -G Ninja -DBUILD_TESTING=OFF >/dev/null
  if grep -q 'frame_tests' build/no-testing/build.ninja; then
    echo "BUILD_TESTING=OFF did not leave the tests out"
    return 1
  fi
}

packaging_stage() {
  ensure_packages "${FPGEOM_PACKAGING_TOOLS[@]}"
  abi_check build/release
  build_packages
  (check_installed_packages)
  check_subprojects
}
