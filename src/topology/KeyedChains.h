// A hash table from a grid cell, a pair of 64-bit integers, to a chain of
// items. Items are not owned. Open
// addressing keeps a look-up to a probe or two in one array, and the chain
// links come from blocks that the table recycles, so filing an item costs
// no allocation of its own once the table has grown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace fpgeom::detail {

struct PairKey {
  std::int64_t a;
  std::int64_t b;
  bool operator==(const PairKey& other) const noexcept { return a == other.a && b == other.b; }
};

// Marks a slot that no key has used; grid keys stay within +-2^62.
constexpr PairKey kUnusedKey{std::numeric_limits<std::int64_t>::min(), 0};

template <class Item>
class KeyedChains {
 public:
  // Files item under key. Throws std::bad_alloc, leaving the table as it was.
  void Add(const PairKey& key, Item* item) {
    Reserve();
    Slot& slot = Place(key);
    Link* link = TakeLink();
    if (slot.key == kUnusedKey) {
      slot.key = key;
      ++m_usedSlots;
    }
    if (slot.head == nullptr) ++m_liveKeys;
    link->item = item;
    link->next = slot.head;
    slot.head = link;
  }

  // Unfiles item from key; nothing when it is not filed there.
  void Remove(const PairKey& key, const Item* item) noexcept {
    if (m_slots.empty()) return;
    Slot& slot = Place(key);
    for (Link** at = &slot.head; *at != nullptr; at = &(*at)->next) {
      if ((*at)->item != item) continue;
      Link* gone = *at;
      *at = gone->next;
      gone->next = m_freeLinks;
      m_freeLinks = gone;
      if (slot.head == nullptr) --m_liveKeys;
      return;
    }
  }

  // Calls visit(item) for every item filed under key.
  template <class Visit>
  void ForEach(const PairKey& key, Visit&& visit) const {
    if (m_slots.empty()) return;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = Hash(key) & mask; !(m_slots[i].key == kUnusedKey); i = (i + 1) & mask) {
      if (!(m_slots[i].key == key)) continue;
      for (const Link* link = m_slots[i].head; link != nullptr; link = link->next) visit(link->item);
      return;
    }
  }

  // Keys with at least one item.
  std::size_t LiveKeys() const noexcept { return m_liveKeys; }

  void Clear() noexcept {
    m_slots.clear();
    m_blocks.clear();
    m_freeLinks = nullptr;
    m_usedSlots = 0;
    m_liveKeys = 0;
  }

 private:
  struct Link {
    Item* item;
    Link* next;
  };
  struct Slot {
    PairKey key = kUnusedKey;
    Link* head = nullptr;
  };

  static std::size_t Hash(const PairKey& key) noexcept {
    std::uint64_t h = static_cast<std::uint64_t>(key.a) * 0x9E3779B97F4A7C15u;
    h ^= static_cast<std::uint64_t>(key.b) + 0x632BE59BD9B4E019u + (h << 6) + (h >> 2);
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9u;
    return static_cast<std::size_t>(h ^ (h >> 32));
  }

  // The slot of key, or the free slot where it would go. The table is never
  // more than half used, so the probe ends.
  Slot& Place(const PairKey& key) noexcept {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = Hash(key) & mask;; i = (i + 1) & mask) {
      Slot& slot = m_slots[i];
      if (slot.key == kUnusedKey || slot.key == key) return slot;
    }
  }

  // Room for one more key and one more link. Slots whose chains emptied
  // still hold their keys; growing drops them.
  void Reserve() {
    if (m_freeLinks == nullptr) {
      auto block = std::make_unique<Link[]>(kLinksPerBlock);
      for (std::size_t i = 0; i < kLinksPerBlock; ++i) block[i].next = i + 1 < kLinksPerBlock ? &block[i + 1] : nullptr;
      m_blocks.push_back(std::move(block));
      m_freeLinks = &m_blocks.back()[0];
    }
    if (2 * (m_usedSlots + 1) <= m_slots.size()) return;
    std::size_t size = 16;
    while (size < 3 * (m_liveKeys + 1)) size *= 2;
    std::vector<Slot> old(size);
    old.swap(m_slots);
    m_usedSlots = 0;
    for (const Slot& slot : old) {
      if (slot.head == nullptr) continue;
      Slot& moved = Place(slot.key);
      moved = slot;
      ++m_usedSlots;
    }
  }

  Link* TakeLink() noexcept {
    Link* link = m_freeLinks;
    m_freeLinks = link->next;
    return link;
  }

  static constexpr std::size_t kLinksPerBlock = 1024;

  std::vector<Slot> m_slots;
  std::vector<std::unique_ptr<Link[]>> m_blocks;
  Link* m_freeLinks = nullptr;
  std::size_t m_usedSlots = 0;
  std::size_t m_liveKeys = 0;
};

}  // namespace fpgeom::detail
