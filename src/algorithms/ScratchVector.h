// A vector whose memory stays with the thread from one self-meeting screen to
// the next. The screen of a long ring needs buffers of dozens of bytes per
// edge; handed back to the allocator, memory of that size goes back to the
// system, and the next screen pays a page fault for every 4 KB of it, which
// on a ring of 100,000 points costs twice the screen's own work. Buffers of up
// to kLargestKept bytes are kept instead, two of each type per thread (as many
// as the screen uses at once), and reused; what the vectors hold is never
// kept, only their capacity, so no result depends on what was kept.
#pragma once

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace fpgeom::detail {

template <class T>
class ScratchVector {
 public:
  // Empty, with the largest capacity kept on this thread, if any.
  ScratchVector() noexcept {
    std::vector<T>* largest = nullptr;
    for (std::vector<T>& kept : Kept()) {
      if (largest == nullptr || kept.capacity() > largest->capacity()) largest = &kept;
    }
    m_vector.swap(*largest);
  }
  ScratchVector(ScratchVector&& other) noexcept { m_vector.swap(other.m_vector); }
  ScratchVector(const ScratchVector&) = delete;
  ScratchVector& operator=(const ScratchVector&) = delete;
  ScratchVector& operator=(ScratchVector&&) = delete;
  // Keeps the capacity in a free place, or lets it go.
  ~ScratchVector() {
    if (m_vector.capacity() == 0 || m_vector.capacity() > kLargestKept / sizeof(T)) return;
    m_vector.clear();
    for (std::vector<T>& kept : Kept()) {
      if (kept.capacity() == 0) {
        kept.swap(m_vector);
        return;
      }
    }
  }

  std::vector<T>& operator*() noexcept { return m_vector; }
  const std::vector<T>& operator*() const noexcept { return m_vector; }
  std::vector<T>* operator->() noexcept { return &m_vector; }
  const std::vector<T>* operator->() const noexcept { return &m_vector; }

 private:
  // Enough for the rings of half a million points.
  static constexpr std::size_t kLargestKept = std::size_t{16} << 20;
  static constexpr std::size_t kKeptPerType = 2;

  static std::array<std::vector<T>, kKeptPerType>& Kept() noexcept {
    thread_local std::array<std::vector<T>, kKeptPerType> kept;
    return kept;
  }

  std::vector<T> m_vector;
};

}  // namespace fpgeom::detail
