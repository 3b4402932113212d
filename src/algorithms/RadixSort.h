// A stable sort by an unsigned key of known width, one digit of the key at a
// time from the lowest: linear in the number of items and free of the
// comparisons that a comparison sort mispredicts on the screen's keys.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "algorithms/ScratchVector.h"

namespace fpgeom::detail {

// The number of bits that the values below count need.
inline int BitsBelow(std::uint64_t count) {
  int bits = 0;
  while (bits < 64 && (std::uint64_t{1} << bits) < count) ++bits;
  return bits;
}

// keyOf(item) must be below 2^keyBits. Items of equal keys keep their order.
template <typename Item, typename KeyOf>
void RadixSort(std::vector<Item>& items, int keyBits, KeyOf keyOf) {
  if (items.size() < 2 || keyBits <= 0) return;
  // Digits about as wide as the item count, so that counting costs about as
  // much as moving.
  const int widest = std::clamp(BitsBelow(items.size()), 4, 11);
  const int passes = (keyBits + widest - 1) / widest;
  const int digitBits = (keyBits + passes - 1) / passes;
  const std::uint64_t digitMask = (std::uint64_t{1} << digitBits) - 1;
  ScratchVector<Item> sorted;
  sorted->resize(items.size());
  std::vector<std::size_t> starts(std::size_t{1} << digitBits);
  for (int shift = 0; shift < keyBits; shift += digitBits) {
    std::fill(starts.begin(), starts.end(), 0);
    for (const Item& item : items) ++starts[(keyOf(item) >> shift) & digitMask];
    // A digit that all items share moves nothing.
    if (std::find(starts.begin(), starts.end(), items.size()) != starts.end()) continue;
    std::size_t start = 0;
    for (std::size_t& count : starts) {
      const std::size_t next = start + count;
      count = start;
      start = next;
    }
    for (const Item& item : items) (*sorted)[starts[(keyOf(item) >> shift) & digitMask]++] = item;
    items.swap(*sorted);
  }
}

}  // namespace fpgeom::detail
