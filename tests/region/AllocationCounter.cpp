// Replaces the global allocation functions of the test program (and so of
// the library it loads) to count live blocks and to inject failures.
#include <cstdlib>
#include <new>

#include "region/RegionTestSupport.h"

namespace {

std::ptrdiff_t g_liveBlocks = 0;
int g_successesLeft = -1;  // negative: never fail

void* Allocate(std::size_t size) {
  if (g_successesLeft == 0) throw std::bad_alloc();
  if (g_successesLeft > 0) --g_successesLeft;
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  ++g_liveBlocks;
  return block;
}

void Release(void* block) noexcept {
  if (block == nullptr) return;
  --g_liveBlocks;
  std::free(block);
}

}  // namespace

namespace fpgeom::test {

std::ptrdiff_t AllocationCounter::LiveBlocks() { return g_liveBlocks; }
void AllocationCounter::FailAfter(int successes) { g_successesLeft = successes; }
void AllocationCounter::Disarm() { g_successesLeft = -1; }

}  // namespace fpgeom::test

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
