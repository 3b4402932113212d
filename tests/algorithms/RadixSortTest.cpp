#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "algorithms/RadixSort.h"

namespace {

using Item = std::pair<std::uint64_t, int>;

// Keys of the given width with many repeats, each item numbered by its place.
std::vector<Item> Items(std::size_t count, int keyBits, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  const std::uint64_t distinctKeys = std::min<std::uint64_t>(count / 3 + 1, std::uint64_t{1} << std::min(keyBits, 40));
  std::vector<std::uint64_t> keys;
  for (std::uint64_t k = 0; k < distinctKeys; ++k) keys.push_back(random() >> (64 - keyBits));
  std::vector<Item> items;
  for (std::size_t k = 0; k < count; ++k) items.emplace_back(keys[random() % keys.size()], static_cast<int>(k));
  return items;
}

// Sorting by more bits than the keys use leaves digits every item shares,
// which must move nothing.
TEST(RadixSort, OrdersByKeyAndKeepsTheOrderOfEqualKeys) {
  const struct {
    std::size_t count;
    int keyBits;
    int sortBits;
  } cases[] = {{0, 8, 8},       {1, 8, 8},       {2, 1, 1},     {17, 5, 5},   {300, 28, 28},
               {5000, 24, 24}, {40000, 44, 44}, {1000, 63, 63}, {500, 4, 40}, {100, 1, 16}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.count << " items, " << c.keyBits << "-bit keys");
    std::vector<Item> items = Items(c.count, c.keyBits, c.count + 1);
    std::vector<Item> expected = items;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const Item& first, const Item& second) { return first.first < second.first; });
    fpgeom::detail::RadixSort(items, c.sortBits, [](const Item& item) { return item.first; });
    EXPECT_EQ(items, expected);
  }
}

}  // namespace
