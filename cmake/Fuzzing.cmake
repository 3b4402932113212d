# The libFuzzer build: everything, the library included, carries the fuzzer's
# coverage counters, so that the fuzz targets see the library's branches. By
# default it also carries the address and undefined-behaviour sanitizers, so
# that any report stops a run; FPGEOM_FUZZ_SANITIZE=OFF leaves them out for
# long campaigns, where executions per second matter more.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "FPGEOM_BUILD_FUZZERS needs clang (for example -DCMAKE_CXX_COMPILER=clang++-14)")
endif()
option(FPGEOM_FUZZ_SANITIZE "Build the libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
# The standard library's branches are left out of the coverage everywhere.
add_compile_options(-fsanitize-coverage-ignorelist=${PROJECT_SOURCE_DIR}/fuzz/standard_library.ignorelist)
if(FPGEOM_FUZZ_SANITIZE)
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
else()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
