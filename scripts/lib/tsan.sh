# The prepared objects and the runtime-class registry are read from several
# threads at once: a small build of the library and those two tests under
# ThreadSanitizer. Sourced by scripts/test after common.sh.
tsan_stage() {
  configure build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFPGEOM_BUILD_TOOLS=OFF -DFPGEOM_BUILD_EXAMPLES=OFF -DFPGEOM_BUILD_OVERLAY=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread
  build build/tsan --target prepared_concurrency_tests registry_threads_tests
  local program
  for program in prepared/prepared_concurrency_tests frame/registry_threads_tests; do
    TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1" "build/tsan/tests/$program"
  done
}
