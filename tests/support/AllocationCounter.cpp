#include "support/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {

std::ptrdiff_t g_liveBlocks = 0;
std::size_t g_allocations = 0;
std::size_t g_releases = 0;
std::size_t g_bytesRequested = 0;
long g_successesLeft = -1;  // negative: no failure armed
bool g_failed = false;

void* Allocate(std::size_t size) {
  if (g_successesLeft == 0) {
    g_successesLeft = -1;
    g_failed = true;
    throw std::bad_alloc();
  }
  if (g_successesLeft > 0) --g_successesLeft;
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  ++g_liveBlocks;
  ++g_allocations;
  g_bytesRequested += size;
  return block;
}

void Release(void* block) noexcept {
  if (block == nullptr) return;
  --g_liveBlocks;
  ++g_releases;
  std::free(block);
}

}  // namespace

namespace fpgeom::test {

std::ptrdiff_t AllocationCounter::LiveBlocks() { return g_liveBlocks; }
std::size_t AllocationCounter::Allocations() { return g_allocations; }
std::size_t AllocationCounter::Releases() { return g_releases; }
std::size_t AllocationCounter::BytesRequested() { return g_bytesRequested; }

void AllocationCounter::FailAfter(long successes) {
  g_successesLeft = successes;
  g_failed = false;
}

void AllocationCounter::Disarm() { g_successesLeft = -1; }
bool AllocationCounter::HasFailed() { return g_failed; }

bool AllocationCounter::IsInstalled() {
  const std::size_t before = g_allocations;
  // Through a volatile pointer, so that the pair is not optimised away.
  void* volatile block = ::operator new(1);
  ::operator delete(block);
  return g_allocations == before + 1;
}

}  // namespace fpgeom::test

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
