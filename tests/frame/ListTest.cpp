#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "fpgeom/frame/List.h"
#include "support/AllocationCounter.h"

namespace {

using namespace fpgeom::test;
using IntList = CList<int, int>;

// An element that counts its live copies and can refuse to be copied.
struct Tracked {
  explicit Tracked(int v) : value(v) { ++s_live; }
  Tracked(const Tracked& other) : value(other.value) {
    if (s_refuseCopy) throw std::runtime_error("copy refused");
    ++s_live;
  }
  ~Tracked() { --s_live; }
  operator int() const { return value; }
  int value;
  inline static int s_live = 0;
  inline static bool s_refuseCopy = false;
};

// Walks the list both ways, so that a broken back link shows too.
template <class List>
void ExpectContents(const List& list, const std::vector<int>& expected) {
  std::vector<int> forward;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) forward.push_back(static_cast<int>(list.GetNext(pos)));
  std::vector<int> backward;
  for (POSITION pos = list.GetTailPosition(); pos != nullptr;) backward.push_back(static_cast<int>(list.GetPrev(pos)));
  EXPECT_EQ(forward, expected);
  EXPECT_EQ(backward, std::vector<int>(expected.rbegin(), expected.rend()));
  EXPECT_EQ(list.GetCount(), static_cast<INT_PTR>(expected.size()));
}

// The polygon's ring exercises the list's editing; here the null position,
// which means the head or the tail to an insertion and is misuse elsewhere.
TEST(List, InsertsAndFindsWithTheNullPositionMeaningHeadOrTailAndThrowsOnMisuse) {
  IntList list;
  const POSITION three = list.AddTail(3);
  list.InsertBefore(nullptr, 2);
  list.InsertAfter(nullptr, 4);
  list.InsertBefore(three, 2);
  int* const firstAddress = &list.GetHead();
  ExpectContents(list, {2, 2, 3, 4});
  const POSITION second = list.Find(2, list.Find(2));
  EXPECT_EQ(std::make_pair(list.Find(2), second), std::make_pair(list.GetHeadPosition(), list.FindIndex(1)));
  EXPECT_EQ(std::make_pair(list.Find(2, second), list.FindIndex(4)), std::make_pair(POSITION{}, POSITION{}));
  list.RemoveAt(second);
  EXPECT_EQ(&list.GetHead(), firstAddress) << "an element stays where it is while it stays in the list";

  IntList empty;
  POSITION end = nullptr;
  const std::function<void()> misuses[] = {[&] { empty.GetHead(); }, [&] { empty.RemoveTail(); },
                                           [&] { list.SetAt(end, 5); }, [&] { list.RemoveAt(end); },
                                           [&] { list.GetPrev(end); }};
  for (const auto& misuse : misuses) EXPECT_THROW(misuse(), CInvalidArgException);
  ExpectContents(empty, {});
  ExpectContents(list, {2, 3, 4});
}

TEST(List, TakesNodesABlockAtATimeReusesRemovedOnesAndReleasesAllWhenEmpty) {
  if (!AllocationCounter::IsInstalled()) GTEST_SKIP() << "operator new is replaced by a memory checker";
  {
    const AllocationTally counter;
    IntList list;
    for (int i = 0; i < 11; ++i) list.AddTail(i);
    EXPECT_EQ(counter.Allocations(), 2);
    list.RemoveHead();
    list.RemoveAt(list.FindIndex(4));
    for (int i = 0; i < 11; ++i) list.AddTail(100 + i);
    EXPECT_EQ(std::make_pair(counter.Allocations(), counter.Releases()), std::make_pair(2L, 0L));
    list.AddTail(200);
    EXPECT_EQ(counter.Allocations(), 3);
  }
  // Each removal unlinks alike; RemoveAll frees the blocks directly.
  for (const bool removeAll : {false, true}) {
    const AllocationTally counter;
    IntList list;
    for (int i = 0; i < 25; ++i) list.AddTail(i);
    while (!removeAll && !list.IsEmpty()) list.RemoveAt(list.FindIndex(list.GetCount() / 2));
    if (removeAll) list.RemoveAll();
    EXPECT_EQ(std::make_pair(counter.Allocations(), counter.Releases()), std::make_pair(3L, 3L));
    list.AddTail(7);
    ExpectContents(list, {7});
  }
}

TEST(List, ARefusedCopyLeavesTheListAsItWasAndEachElementDiesOnce) {
  {
    CList<Tracked> list;
    for (int i = 1; i <= 3; ++i) list.AddTail(Tracked(i));
    Tracked::s_refuseCopy = true;
    const std::function<void()> refused[] = {[&] { list.AddHead(Tracked(0)); }, [&] { list.RemoveHead(); },
                                             [&] { list.InsertAfter(list.FindIndex(1), Tracked(9)); }};
    for (const auto& copy : refused) EXPECT_THROW(copy(), std::runtime_error);
    Tracked::s_refuseCopy = false;
    ExpectContents(list, {1, 2, 3});
    list.RemoveAt(list.FindIndex(1));
    EXPECT_EQ(Tracked::s_live, 2);
  }
  EXPECT_EQ(Tracked::s_live, 0);
}

}  // namespace
