# Shared by the scripts in scripts/: installs missing Debian packages and
# configures and builds one build directory. Sourced, never run.

# Two parallel jobs: enough for the project, and kind to small shared machines.
FPGEOM_JOBS="${FPGEOM_JOBS:-2}"

# Runs a command as root, through sudo when the caller is not root already.
as_root() {
  if [[ "$(id -u)" -eq 0 ]]; then
    "$@"
  else
    sudo "$@"
  fi
}

is_installed() {
  [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == "installed" ]]
}

# Installs those of the given Debian packages that are not installed yet;
# the package index is refreshed only when something has to be installed.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    is_installed "$package" || missing+=("$package")
  done
  if [[ ${#missing[@]} -eq 0 ]]; then
    return
  fi
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -q
  as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure <build dir> <extra cmake arguments...>: tests and examples are
# switched on explicitly so that an old cache cannot leave them out.
configure() {
  local build_dir="$1"
  shift
  cmake -S . -B "$build_dir" -G Ninja -DFPGEOM_WERROR=ON \
    -DFPGEOM_BUILD_TESTS=ON -DFPGEOM_BUILD_EXAMPLES=ON "$@"
}

# The optimised build with debug information that the tests and the demo share.
configure_release() {
  configure build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

# build <build dir> [cmake --build arguments...]
build() {
  local build_dir="$1"
  shift
  cmake --build "$build_dir" --parallel "$FPGEOM_JOBS" "$@"
}

run_tests() {
  ctest --test-dir "$1" --output-on-failure --parallel "$FPGEOM_JOBS"
}
