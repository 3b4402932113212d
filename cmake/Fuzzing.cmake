# The libFuzzer build: everything, the library included, carries the address
# and undefined-behaviour sanitizers and the fuzzer's coverage counters, so
# that the fuzz targets see the library's branches and any report stops them.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "FPGEOM_BUILD_FUZZERS needs clang (for example -DCMAKE_CXX_COMPILER=clang++-14)")
endif()
add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
