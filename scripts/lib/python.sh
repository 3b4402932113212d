# The Python module's stage, sourced by scripts/test: builds the module in the
# release build and runs its tests, the examples' small runs among them, with
# Debian's interpreter (the first python3 on PATH may be another one that does
# not see Debian's packages).

python_tests() {
  ensure_packages pybind11-dev python3-pybind11 python3-numpy python3-pytest python3-dask python3-distributed
  configure build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFPGEOM_BUILD_PYTHON=ON \
    -DPython3_EXECUTABLE=/usr/bin/python3
  build build/release --target fpgeom_python
  local status=0
  FPGEOM_PYTHON_MODULE_DIR="$PWD/build/release/python/package" \
    /usr/bin/python3 -m pytest -q -p no:cacheprovider python/tests || status=$?
  # Exit status 5 means pytest collected nothing: the tests went missing,
  # which must not pass as success.
  if [[ $status -eq 5 ]]; then
    echo "python_tests: pytest found no tests in python/tests" >&2
    return 1
  fi
  return "$status"
}
