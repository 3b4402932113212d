#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/File.h"
#include "fpgeom/frame/ObList.h"
#include "frame/SampleObjects.h"

using fpgeom::test::SampleDerived;
using fpgeom::test::SampleValue;

namespace {

// Deletes the objects a loaded list holds; each appears once in these tests.
struct OwnedObjects {
  CObList& list;
  ~OwnedObjects() {
    while (!list.IsEmpty()) delete list.RemoveHead();
  }
};

std::vector<BYTE> StoreList(CObList& list) {
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  list.Serialize(ar);
  ar.Close();
  return std::vector<BYTE>(file.GetBuffer(), file.GetBuffer() + file.GetLength());
}

// Loads the list from bytes that must fail, and gives the archive's cause.
int LoadCause(std::vector<BYTE> bytes, CObList& list) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive ar(&file, CArchive::load);
  try {
    list.Serialize(ar);
  } catch (const CArchiveException& error) {
    return error.m_cause;
  }
  return CArchiveException::none;
}

}  // namespace

TEST(ObList, IsAPointerListThatOwnsNothing) {
  SampleValue a(1);
  SampleValue b(2);
  {
    CTypedPtrList<CObList, SampleValue*> list;
    list.AddTail(&b);
    list.AddHead(&a);
    list.InsertAfter(list.GetHeadPosition(), &b);
    EXPECT_EQ(list.Find(&b), list.FindIndex(1));
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(list.GetNext(pos)->m_value, 1);
    EXPECT_EQ(list.RemoveTail(), &b);
  }
  EXPECT_EQ(a.m_value, 1);
  EXPECT_EQ(b.m_value, 2);
}

TEST(ObList, SerializesItsCountAndObjects) {
  SampleValue first(10);
  SampleDerived second;
  second.m_value = 20;
  CObList list;
  list.AddTail(&first);
  list.AddTail(&second);
  list.AddTail(&first);
  const std::vector<BYTE> bytes = StoreList(list);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes[1], 0);

  std::vector<BYTE> copy = bytes;
  CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
  CArchive ar(&file, CArchive::load);
  CObList read;
  std::unique_ptr<CObject> sentinel(new SampleValue(0));
  read.AddTail(sentinel.get());
  read.Serialize(ar);
  ASSERT_EQ(read.GetCount(), 4);
  EXPECT_EQ(read.RemoveHead(), sentinel.get());
  std::unique_ptr<CObject> firstRead(read.GetHead());
  std::unique_ptr<CObject> secondRead(read.GetAt(read.FindIndex(1)));
  EXPECT_EQ(read.GetTail(), firstRead.get());
  EXPECT_EQ(static_cast<SampleValue*>(firstRead.get())->m_value, 10);
  ASSERT_EQ(secondRead->GetRuntimeClass(), RUNTIME_CLASS(SampleDerived));
  EXPECT_EQ(static_cast<SampleValue*>(secondRead.get())->m_value, 20);
}

TEST(ObList, ATruncatedListKeepsTheObjectsReadBeforeTheEnd) {
  std::vector<SampleValue> values(4);
  CObList list;
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i].m_value = static_cast<std::int32_t>(i);
    list.AddTail(&values[i]);
  }
  const std::vector<BYTE> bytes = StoreList(list);
  const int live = SampleValue::s_live;
  // Cut inside the third object's record.
  std::vector<BYTE> cut(bytes.begin(), bytes.begin() + 2 + 21 + 6 + 3);
  CObList read;
  OwnedObjects owner{read};
  EXPECT_EQ(LoadCause(cut, read), CArchiveException::endOfFile);
  ASSERT_EQ(read.GetCount(), 2);
  EXPECT_EQ(static_cast<SampleValue*>(read.GetHead())->m_value, 0);
  EXPECT_EQ(static_cast<SampleValue*>(read.GetTail())->m_value, 1);
  EXPECT_EQ(SampleValue::s_live, live + 2);
}

TEST(ObList, IsRegisteredForArchives) {
  SampleValue value(5);
  CObList inner;
  inner.AddTail(&value);
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    ar << &inner;
    ar.Close();
  }
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  CObList* read = nullptr;
  ar >> read;
  ASSERT_NE(read, nullptr);
  std::unique_ptr<CObList> owned(read);
  OwnedObjects owner{*read};
  ASSERT_EQ(read->GetCount(), 1);
  EXPECT_EQ(static_cast<SampleValue*>(read->GetHead())->m_value, 5);
}

TEST(ObList, AHugeCountEndsAtTheEndOfTheData) {
  // Four billion declared, one object present: loading stops at the data's end.
  std::vector<BYTE> bytes = {0xFF, 0xFF, 0x00, 0x28, 0x6B, 0xEE};
  SampleValue value(8);
  CObList one;
  one.AddTail(&value);
  const std::vector<BYTE> object = StoreList(one);
  bytes.insert(bytes.end(), object.begin() + 2, object.end());

  CObList read;
  OwnedObjects owner{read};
  EXPECT_EQ(LoadCause(bytes, read), CArchiveException::endOfFile);
  ASSERT_EQ(read.GetCount(), 1);
  EXPECT_EQ(static_cast<SampleValue*>(read.GetHead())->m_value, 8);
}
