// Test programs that link this replace their global operator new and delete
// (and so the library's, which they load) to count what is allocated and to
// make a chosen allocation fail with std::bad_alloc.
#pragma once

#include <cstddef>

namespace fpgeom::test {

struct AllocationCounter {
  // Blocks allocated and not yet released.
  static std::ptrdiff_t LiveBlocks();
  // Allocations, releases and bytes asked for since the program began.
  static std::size_t Allocations();
  static std::size_t Releases();
  static std::size_t BytesRequested();
  // Makes the allocation after the next `successes` ones throw
  // std::bad_alloc, once; Disarm cancels a failure that has not happened.
  static void FailAfter(long successes);
  static void Disarm();
  // Whether the armed failure has happened.
  static bool HasFailed();
  // A memory checker such as valgrind may put its own allocator in place of
  // this one; then nothing is counted.
  static bool IsInstalled();
};

// Arms a failure for as long as it lives.
class AllocationFailure {
 public:
  explicit AllocationFailure(long successes) { AllocationCounter::FailAfter(successes); }
  AllocationFailure(const AllocationFailure&) = delete;
  AllocationFailure& operator=(const AllocationFailure&) = delete;
  ~AllocationFailure() { AllocationCounter::Disarm(); }
};

// The allocations and releases made while it lives.
class AllocationTally {
 public:
  AllocationTally()
      : m_allocationsBefore(AllocationCounter::Allocations()), m_releasesBefore(AllocationCounter::Releases()) {}
  long Allocations() const { return static_cast<long>(AllocationCounter::Allocations() - m_allocationsBefore); }
  long Releases() const { return static_cast<long>(AllocationCounter::Releases() - m_releasesBefore); }

 private:
  std::size_t m_allocationsBefore;
  std::size_t m_releasesBefore;
};

}  // namespace fpgeom::test
