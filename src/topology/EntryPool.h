// Entries of an index, made in blocks so that they keep their addresses
// (watches point at them) and cost one allocation per block, and recycled
// when an element leaves the index.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace fpgeom::detail {

template <class Entry>
class EntryPool {
 public:
  // A recycled entry, or a new one made from args. Throws std::bad_alloc,
  // leaving the pool as it was.
  template <class... Args>
  Entry& Take(Args&&... args) {
    if (m_spare.empty()) {
      if (m_madeInLast == kBlockSize) {
        m_blocks.reserve(m_blocks.size() + 1);
        m_blocks.push_back(std::make_unique<std::optional<Entry>[]>(kBlockSize));
        m_madeInLast = 0;
      }
      // Room for every entry to come back, so that Give never allocates.
      if (m_spare.capacity() < m_blocks.size() * kBlockSize) m_spare.reserve(2 * m_blocks.size() * kBlockSize);
      Entry& made = m_blocks.back()[m_madeInLast].emplace(std::forward<Args>(args)...);
      ++m_madeInLast;
      return made;
    }
    Entry& entry = *m_spare.back();
    m_spare.pop_back();
    return entry;
  }

  void Give(Entry& entry) noexcept { m_spare.push_back(&entry); }

  // Calls visit(entry) for every entry made, taken or spare.
  template <class Visit>
  void ForEach(Visit&& visit) {
    VisitAll(*this, visit);
  }
  template <class Visit>
  void ForEach(Visit&& visit) const {
    VisitAll(*this, visit);
  }

  // Destroys every entry.
  void Clear() noexcept {
    m_blocks.clear();
    m_spare.clear();
    m_madeInLast = kBlockSize;
  }

 private:
  static constexpr std::size_t kBlockSize = 256;

  template <class Pool, class Visit>
  static void VisitAll(Pool& pool, Visit& visit) {
    for (std::size_t b = 0; b < pool.m_blocks.size(); ++b) {
      const std::size_t made = b + 1 == pool.m_blocks.size() ? pool.m_madeInLast : kBlockSize;
      for (std::size_t i = 0; i < made; ++i) visit(*pool.m_blocks[b][i]);
    }
  }

  std::vector<std::unique_ptr<std::optional<Entry>[]>> m_blocks;
  std::vector<Entry*> m_spare;
  std::size_t m_madeInLast = kBlockSize;
};

}  // namespace fpgeom::detail
