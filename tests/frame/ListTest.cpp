#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

#include "fpgeom/frame/List.h"
#include "support/AllocationCounter.h"

namespace {

using fpgeom::test::AllocationCounter;
using fpgeom::test::AllocationTally;
using IntList = CList<int, int>;

#define SKIP_UNLESS_ALLOCATIONS_ARE_COUNTED() \
  if (!AllocationCounter::IsInstalled()) GTEST_SKIP() << "operator new is replaced by a memory checker"

// Walks the list both ways, so that a broken back link shows too.
void ExpectContents(const IntList& list, const std::vector<int>& expected) {
  std::vector<int> forward;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) forward.push_back(list.GetNext(pos));
  std::vector<int> backward;
  for (POSITION pos = list.GetTailPosition(); pos != nullptr;) backward.push_back(list.GetPrev(pos));
  EXPECT_EQ(forward, expected);
  EXPECT_EQ(backward, std::vector<int>(expected.rbegin(), expected.rend()));
  EXPECT_EQ(list.GetCount(), static_cast<INT_PTR>(expected.size()));
  EXPECT_EQ(list.IsEmpty(), expected.empty());
}

// An element that counts its live copies and can refuse to be copied.
struct Tracked {
  static int s_live;
  static bool s_refuseCopy;

  explicit Tracked(int v) : value(v) { ++s_live; }
  Tracked(const Tracked& other) : value(other.value) {
    if (s_refuseCopy) throw std::runtime_error("copy refused");
    ++s_live;
  }
  Tracked& operator=(const Tracked&) = default;
  ~Tracked() { --s_live; }

  int value;
};
int Tracked::s_live = 0;
bool Tracked::s_refuseCopy = false;

TEST(List, AddsInsertsSetsAndRemovesWithTheNullPositionMeaningHeadOrTail) {
  IntList list;
  list.AddTail(2);
  list.AddHead(1);
  const POSITION three = list.AddTail(3);
  list.InsertBefore(three, 25);
  list.InsertAfter(three, 35);
  list.InsertBefore(list.GetHeadPosition(), 0);
  list.InsertAfter(list.GetTailPosition(), 40);
  list.InsertBefore(nullptr, -1);
  list.InsertAfter(nullptr, 50);
  list.SetAt(three, 30);
  list.GetAt(list.GetHeadPosition()) = -10;
  int* const firstAddress = &list.GetHead();
  ExpectContents(list, {-10, 0, 1, 2, 25, 30, 35, 40, 50});

  list.RemoveAt(list.FindIndex(4));
  EXPECT_EQ(list.RemoveTail(), 50);
  list.RemoveAt(list.GetTailPosition());
  ExpectContents(list, {-10, 0, 1, 2, 30, 35});
  EXPECT_EQ(&list.GetHead(), firstAddress) << "an element stays where it is while it stays in the list";
  EXPECT_EQ(list.RemoveHead(), -10);
  while (!list.IsEmpty()) list.RemoveAt(list.GetHeadPosition());
  ExpectContents(list, {});
  list.AddTail(7);
  ExpectContents(list, {7});
}

TEST(List, FindsByValueAndByIndex) {
  IntList list;
  for (int value : {4, 7, 4, 9}) list.AddTail(value);
  const POSITION first = list.Find(4);
  EXPECT_EQ(first, list.GetHeadPosition());
  const POSITION second = list.Find(4, first);
  EXPECT_EQ(second, list.FindIndex(2));
  EXPECT_EQ(list.Find(4, second), nullptr);
  EXPECT_EQ(list.Find(8), nullptr);
  EXPECT_EQ(list.Find(9), list.GetTailPosition());
  EXPECT_EQ(list.GetAt(list.FindIndex(3)), 9);
  EXPECT_EQ(list.FindIndex(-1), nullptr);
  EXPECT_EQ(list.FindIndex(4), nullptr);
  EXPECT_EQ(IntList().FindIndex(0), nullptr);
}

TEST(List, NullPositionsAndEmptyEndsThrowAndChangeNothing) {
  IntList empty;
  const IntList& constEmpty = empty;
  EXPECT_THROW(empty.GetHead(), CInvalidArgException);
  EXPECT_THROW(empty.GetTail(), CInvalidArgException);
  EXPECT_THROW(constEmpty.GetHead(), CInvalidArgException);
  EXPECT_THROW(constEmpty.GetTail(), CInvalidArgException);
  EXPECT_THROW(empty.RemoveHead(), CInvalidArgException);
  EXPECT_THROW(empty.RemoveTail(), CInvalidArgException);
  ExpectContents(empty, {});

  IntList list;
  list.AddTail(1);
  list.AddTail(2);
  POSITION end = nullptr;
  EXPECT_THROW(list.GetAt(end), CInvalidArgException);
  EXPECT_THROW(list.SetAt(end, 5), CInvalidArgException);
  EXPECT_THROW(list.RemoveAt(end), CInvalidArgException);
  EXPECT_THROW(list.GetNext(end), CInvalidArgException);
  EXPECT_THROW(list.GetPrev(end), CInvalidArgException);
  EXPECT_EQ(end, nullptr);
  ExpectContents(list, {1, 2});
}

TEST(List, TakesNodesABlockAtATimeAndReusesRemovedOnes) {
  SKIP_UNLESS_ALLOCATIONS_ARE_COUNTED();
  IntList list;
  AllocationTally counter;
  for (int i = 0; i < 10; ++i) list.AddTail(i);
  EXPECT_EQ(counter.Allocations(), 1);
  list.AddTail(10);
  EXPECT_EQ(counter.Allocations(), 2);
  list.RemoveHead();
  list.RemoveAt(list.FindIndex(4));
  list.AddHead(-1);
  list.AddTail(11);
  for (int i = 0; i < 9; ++i) list.AddTail(100 + i);
  EXPECT_EQ(counter.Allocations(), 2);
  EXPECT_EQ(counter.Releases(), 0);
  list.AddTail(200);
  EXPECT_EQ(counter.Allocations(), 3);

  AllocationTally smallBlocks;
  IntList three(3);
  for (int i = 0; i < 7; ++i) three.AddTail(i);
  EXPECT_EQ(smallBlocks.Allocations(), 3);
}

TEST(List, ReleasesEveryBlockWhenItBecomesEmpty) {
  SKIP_UNLESS_ALLOCATIONS_ARE_COUNTED();
  const std::pair<const char*, void (*)(IntList&)> cases[] = {
      {"RemoveAll", [](IntList& list) { list.RemoveAll(); }},
      {"RemoveHead", [](IntList& list) { while (!list.IsEmpty()) list.RemoveHead(); }},
      {"RemoveTail", [](IntList& list) { while (!list.IsEmpty()) list.RemoveTail(); }},
      {"RemoveAt", [](IntList& list) { while (!list.IsEmpty()) list.RemoveAt(list.FindIndex(list.GetCount() / 2)); }},
  };
  for (const auto& [name, makeEmpty] : cases) {
    SCOPED_TRACE(name);
    AllocationTally counter;
    {
      IntList list;
      for (int i = 0; i < 25; ++i) list.AddTail(i);
      makeEmpty(list);
      EXPECT_EQ(counter.Allocations(), 3);
      EXPECT_EQ(counter.Releases(), 3);
      list.AddTail(1);
    }
    EXPECT_EQ(counter.Allocations(), 4);
    EXPECT_EQ(counter.Releases(), 4);
  }
}

TEST(List, ARefusedCopyLeavesTheListAsItWas) {
  CList<Tracked> list;
  {
    AllocationTally counter;
    Tracked::s_refuseCopy = true;
    EXPECT_THROW(list.AddTail(Tracked(1)), std::runtime_error);
    Tracked::s_refuseCopy = false;
    // An empty list holds no block, even after a failed insertion.
    if (AllocationCounter::IsInstalled()) {
      EXPECT_EQ(counter.Allocations(), counter.Releases());
    }
  }
  EXPECT_EQ(list.GetHeadPosition(), nullptr);

  list.AddTail(Tracked(1));
  const POSITION two = list.AddTail(Tracked(2));
  Tracked::s_refuseCopy = true;
  EXPECT_THROW(list.AddHead(Tracked(0)), std::runtime_error);
  EXPECT_THROW(list.InsertAfter(two, Tracked(3)), std::runtime_error);
  EXPECT_THROW(list.InsertBefore(two, Tracked(3)), std::runtime_error);
  EXPECT_THROW(list.RemoveHead(), std::runtime_error);
  Tracked::s_refuseCopy = false;

  POSITION pos = list.GetHeadPosition();
  EXPECT_EQ(list.GetNext(pos).value, 1);
  EXPECT_EQ(pos, two);
  EXPECT_EQ(list.GetTailPosition(), two);
  EXPECT_EQ(list.GetCount(), 2);
  // The slot the refused copies used is still there to be taken.
  list.AddTail(Tracked(3));
  EXPECT_EQ(list.GetTail().value, 3);
}

TEST(List, DestroysEachElementExactlyOnce) {
  ASSERT_EQ(Tracked::s_live, 0);
  {
    CList<Tracked> list;
    for (int i = 0; i < 15; ++i) list.AddTail(Tracked(i));
    list.RemoveAt(list.FindIndex(3));
    EXPECT_EQ(list.RemoveHead().value, 0);
    EXPECT_EQ(list.RemoveTail().value, 14);
    EXPECT_EQ(Tracked::s_live, 12);
    list.RemoveAll();
    EXPECT_EQ(Tracked::s_live, 0);
    for (int i = 0; i < 4; ++i) list.AddHead(Tracked(i));
    EXPECT_EQ(Tracked::s_live, 4);
  }
  EXPECT_EQ(Tracked::s_live, 0);
}

}  // namespace
