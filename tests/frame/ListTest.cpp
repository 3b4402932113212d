#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <stdexcept>
#include <vector>

#include "fpgeom/frame/List.h"

// Every allocation of this test program goes through here, so that the tests
// can see how many blocks a list takes and gives back.
namespace {

struct AllocationLog {
  bool counting = false;
  long allocations = 0;
  long releases = 0;
};
AllocationLog g_allocationLog;

}  // namespace

void* operator new(std::size_t size) {
  if (g_allocationLog.counting) ++g_allocationLog.allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
  if (memory != nullptr && g_allocationLog.counting) ++g_allocationLog.releases;
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept { operator delete(memory); }

namespace {

// Counts the allocations and releases made while it lives.
class AllocationCounter {
 public:
  AllocationCounter() { g_allocationLog = AllocationLog{true, 0, 0}; }
  ~AllocationCounter() { g_allocationLog.counting = false; }
  AllocationCounter(const AllocationCounter&) = delete;
  AllocationCounter& operator=(const AllocationCounter&) = delete;
  long Allocations() const { return g_allocationLog.allocations; }
  long Releases() const { return g_allocationLog.releases; }
};

// A memory checker such as valgrind may put its own operator new in place of
// the one above; then there is nothing to count.
bool AllocationsAreCounted() {
  AllocationCounter counter;
  ::operator delete(::operator new(1));
  return counter.Allocations() == 1 && counter.Releases() == 1;
}

#define SKIP_UNLESS_ALLOCATIONS_ARE_COUNTED() \
  if (!AllocationsAreCounted()) GTEST_SKIP() << "operator new is replaced by a memory checker"

using IntList = CList<int, int>;

std::vector<int> Forward(const IntList& list) {
  std::vector<int> values;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) values.push_back(list.GetNext(pos));
  return values;
}

std::vector<int> Backward(const IntList& list) {
  std::vector<int> values;
  for (POSITION pos = list.GetTailPosition(); pos != nullptr;) values.push_back(list.GetPrev(pos));
  return values;
}

void ExpectContents(const IntList& list, const std::vector<int>& expected) {
  EXPECT_EQ(Forward(list), expected);
  EXPECT_EQ(Backward(list), std::vector<int>(expected.rbegin(), expected.rend()));
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
  bool operator==(const Tracked& other) const { return value == other.value; }

  int value;
};
int Tracked::s_live = 0;
bool Tracked::s_refuseCopy = false;

}  // namespace

TEST(List, AddsInsertsAndSetsInOrderWithTheEndMeaningHeadOrTail) {
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
  ExpectContents(list, {-10, 0, 1, 2, 25, 30, 35, 40, 50});
  EXPECT_EQ(list.GetTail(), 50);
}

TEST(List, RemovesAtPositionsAndEnds) {
  IntList list;
  for (int i = 1; i <= 5; ++i) list.AddTail(i);
  list.RemoveAt(list.FindIndex(2));
  ExpectContents(list, {1, 2, 4, 5});
  EXPECT_EQ(list.RemoveHead(), 1);
  EXPECT_EQ(list.RemoveTail(), 5);
  ExpectContents(list, {2, 4});
  list.RemoveAt(list.GetHeadPosition());
  list.RemoveAt(list.GetTailPosition());
  ExpectContents(list, {});
  EXPECT_EQ(list.GetHeadPosition(), nullptr);
  EXPECT_EQ(list.GetTailPosition(), nullptr);
  list.AddTail(7);
  ExpectContents(list, {7});
}

TEST(List, FindsByValueAndByIndex) {
  IntList list;
  for (int value : {4, 7, 4, 9}) list.AddTail(value);
  const POSITION first = list.Find(4);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, list.GetHeadPosition());
  const POSITION second = list.Find(4, first);
  EXPECT_EQ(second, list.FindIndex(2));
  EXPECT_EQ(list.Find(4, second), nullptr);
  EXPECT_EQ(list.Find(8), nullptr);
  EXPECT_EQ(list.Find(9), list.GetTailPosition());

  EXPECT_EQ(list.GetAt(list.FindIndex(0)), 4);
  EXPECT_EQ(list.GetAt(list.FindIndex(3)), 9);
  EXPECT_EQ(list.FindIndex(-1), nullptr);
  EXPECT_EQ(list.FindIndex(4), nullptr);
  EXPECT_EQ(IntList().FindIndex(0), nullptr);
}

TEST(List, NullPositionsAndEmptyEndsThrowAndChangeNothing) {
  IntList empty;
  EXPECT_THROW(empty.GetHead(), CInvalidArgException);
  EXPECT_THROW(empty.GetTail(), CInvalidArgException);
  EXPECT_THROW(empty.RemoveHead(), CInvalidArgException);
  EXPECT_THROW(empty.RemoveTail(), CInvalidArgException);
  const IntList& constEmpty = empty;
  EXPECT_THROW(constEmpty.GetHead(), CInvalidArgException);
  EXPECT_THROW(constEmpty.GetTail(), CInvalidArgException);
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

TEST(List, TakesNodesTenAtATimeAndReusesRemovedOnes) {
  SKIP_UNLESS_ALLOCATIONS_ARE_COUNTED();
  IntList list;
  AllocationCounter counter;
  for (int i = 0; i < 10; ++i) list.AddTail(i);
  const long afterTen = counter.Allocations();
  list.AddTail(10);
  const long afterEleven = counter.Allocations();
  list.RemoveHead();
  list.RemoveAt(list.FindIndex(4));
  list.AddHead(-1);
  list.AddTail(11);
  const long afterReuse = counter.Allocations();
  const long releasedWhileFilled = counter.Releases();
  for (int i = 0; i < 9; ++i) list.AddTail(100 + i);
  const long afterTwenty = counter.Allocations();
  list.AddTail(200);
  const long afterTwentyOne = counter.Allocations();

  EXPECT_EQ(afterTen, 1);
  EXPECT_EQ(afterEleven, 2);
  EXPECT_EQ(afterReuse, 2);
  EXPECT_EQ(releasedWhileFilled, 0);
  EXPECT_EQ(afterTwenty, 2);
  EXPECT_EQ(afterTwentyOne, 3);
  EXPECT_EQ(list.GetCount(), 21);
}

TEST(List, ReleasesEveryBlockWhenItBecomesEmpty) {
  SKIP_UNLESS_ALLOCATIONS_ARE_COUNTED();
  struct Case {
    const char* name;
    void (*empty)(IntList&);
  };
  const Case cases[] = {
      {"RemoveAll", [](IntList& list) { list.RemoveAll(); }},
      {"RemoveHead", [](IntList& list) { while (!list.IsEmpty()) list.RemoveHead(); }},
      {"RemoveTail", [](IntList& list) { while (!list.IsEmpty()) list.RemoveTail(); }},
      {"RemoveAt", [](IntList& list) { while (!list.IsEmpty()) list.RemoveAt(list.FindIndex(list.GetCount() / 2)); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AllocationCounter counter;
    {
      IntList list;
      for (int i = 0; i < 25; ++i) list.AddTail(i);
      c.empty(list);
      const long allocations = counter.Allocations();
      const long releases = counter.Releases();
      EXPECT_EQ(allocations, 3);
      EXPECT_EQ(releases, 3);
      list.AddTail(1);
      EXPECT_EQ(counter.Allocations(), 4);
    }
    EXPECT_EQ(counter.Releases(), 4);
  }
}

TEST(List, HonoursAnotherBlockSize) {
  SKIP_UNLESS_ALLOCATIONS_ARE_COUNTED();
  AllocationCounter counter;
  IntList list(3);
  for (int i = 0; i < 7; ++i) list.AddTail(i);
  const long allocations = counter.Allocations();
  EXPECT_EQ(allocations, 3);
  ExpectContents(list, {0, 1, 2, 3, 4, 5, 6});
}

TEST(List, ARefusedCopyLeavesTheListAsItWas) {
  const bool counted = AllocationsAreCounted();
  CList<Tracked> list;
  {
    AllocationCounter counter;
    Tracked::s_refuseCopy = true;
    EXPECT_THROW(list.AddTail(Tracked(1)), std::runtime_error);
    Tracked::s_refuseCopy = false;
    // An empty list holds no block, even after a failed insertion.
    if (counted) {
      EXPECT_EQ(counter.Allocations(), counter.Releases());
    }
  }
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.GetHeadPosition(), nullptr);

  list.AddTail(Tracked(1));
  const POSITION two = list.AddTail(Tracked(2));
  Tracked::s_refuseCopy = true;
  EXPECT_THROW(list.AddHead(Tracked(0)), std::runtime_error);
  EXPECT_THROW(list.InsertAfter(two, Tracked(3)), std::runtime_error);
  EXPECT_THROW(list.InsertBefore(two, Tracked(3)), std::runtime_error);
  EXPECT_THROW(list.RemoveHead(), std::runtime_error);
  Tracked::s_refuseCopy = false;

  std::vector<int> values;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) values.push_back(list.GetNext(pos).value);
  EXPECT_EQ(values, (std::vector<int>{1, 2}));
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetTailPosition(), two);
  // The slot the refused copies used is still there to be taken.
  list.AddTail(Tracked(3));
  EXPECT_EQ(list.GetTail().value, 3);
}

TEST(List, DestroysEachElementExactlyOnce) {
  ASSERT_EQ(Tracked::s_live, 0);
  {
    CList<Tracked> list;
    for (int i = 0; i < 15; ++i) list.AddTail(Tracked(i));
    EXPECT_EQ(Tracked::s_live, 15);
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

TEST(List, KeepsAnElementAtOneAddressWhileItStays) {
  IntList list;
  list.AddTail(1);
  int* first = &list.GetHead();
  for (int i = 2; i < 40; ++i) list.AddTail(i);
  for (int i = 0; i < 20; ++i) list.RemoveTail();
  EXPECT_EQ(first, &list.GetHead());
  EXPECT_EQ(*first, 1);
}
