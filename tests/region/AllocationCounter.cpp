// Replaces the global allocation functions of the test program (and so of
// the library it loads) to count live blocks and to inject failures. The
// array and sized forms forward to these by default.
#include <cstdlib>
#include <new>

#include "region/RegionTestSupport.h"

namespace {

std::ptrdiff_t g_liveBlocks = 0;
int g_successesLeft = -1;  // negative: never fail

}  // namespace

namespace fpgeom::test {

std::ptrdiff_t LiveBlocks() { return g_liveBlocks; }
AllocationFailure::AllocationFailure(int successes) { g_successesLeft = successes; }
AllocationFailure::~AllocationFailure() { g_successesLeft = -1; }

}  // namespace fpgeom::test

void* operator new(std::size_t size) {
  if (g_successesLeft == 0) throw std::bad_alloc();
  if (g_successesLeft > 0) --g_successesLeft;
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  ++g_liveBlocks;
  return block;
}

void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  --g_liveBlocks;
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
