// The robustness tests replace the program's global operator new and delete
// (and so the library's, which it loads) to count what is allocated and to
// make a chosen allocation fail with std::bad_alloc.
#pragma once

#include <cstddef>

namespace fpgeom::test {

struct AllocationCounter {
  // Blocks allocated and not yet released.
  static std::ptrdiff_t LiveBlocks();
  // Bytes asked for since the program began, never decreasing.
  static std::size_t BytesRequested();
  // Makes the allocation after the next `successes` ones throw
  // std::bad_alloc, once; Disarm cancels a failure that has not happened.
  static void FailAfter(long successes);
  static void Disarm();
  // Whether the armed failure has happened.
  static bool HasFailed();
};

}  // namespace fpgeom::test
