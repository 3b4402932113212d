#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "algorithms/RadixSort.h"

namespace {

using fpgeom::detail::RadixSort;
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

TEST(RadixSort, OrdersByKeyAndKeepsTheOrderOfEqualKeys) {
  const struct {
    std::size_t count;
    int keyBits;
  } cases[] = {{0, 8}, {1, 8}, {2, 1}, {17, 5}, {300, 28}, {5000, 24}, {40000, 44}, {1000, 63}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.count << " items, " << c.keyBits << "-bit keys");
    std::vector<Item> items = Items(c.count, c.keyBits, c.count + 1);
    std::vector<Item> expected = items;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const Item& first, const Item& second) { return first.first < second.first; });
    RadixSort(items, c.keyBits, [](const Item& item) { return item.first; });
    EXPECT_EQ(items, expected);
  }
}

// Keys whose high digits are all zero, and keys all alike: the digits that
// every item shares move nothing.
TEST(RadixSort, SortsKeysThatUseOnlySomeOfTheirWidth) {
  std::vector<Item> items;
  for (int k = 0; k < 500; ++k) items.emplace_back(static_cast<std::uint64_t>((k * 37) % 11), k);
  std::vector<Item> expected = items;
  std::stable_sort(expected.begin(), expected.end(),
                   [](const Item& first, const Item& second) { return first.first < second.first; });
  RadixSort(items, 40, [](const Item& item) { return item.first; });
  EXPECT_EQ(items, expected);

  std::vector<Item> alike(100, Item{5, 0});
  for (int k = 0; k < 100; ++k) alike[static_cast<std::size_t>(k)].second = k;
  const std::vector<Item> unchanged = alike;
  RadixSort(alike, 16, [](const Item& item) { return item.first; });
  EXPECT_EQ(alike, unchanged);
}

}  // namespace
