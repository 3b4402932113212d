#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/File.h"
#include "fpgeom/frame/ObList.h"
#include "frame/SampleObjects.h"

namespace fpgeom::test {
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

// Loads the list from the bytes and gives the archive's cause, if any.
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

std::int32_t ValueOf(const CObject* object) { return static_cast<const SampleValue*>(object)->m_value; }

TEST(ObList, SerializesItsCountAndObjectsAndLoadsThemAfterWhatItHolds) {
  SampleValue first(10);
  SampleDerived second;
  second.m_value = 20;
  CTypedPtrList<CObList, SampleValue*> list;
  for (SampleValue* element : {&first, static_cast<SampleValue*>(&second), static_cast<SampleValue*>(nullptr), &first}) {
    list.AddTail(element);
  }
  const std::vector<BYTE> bytes = StoreList(list);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 4);
  EXPECT_EQ(bytes[1], 0);

  CObList read;
  SampleValue sentinel(0);
  read.AddTail(&sentinel);
  EXPECT_EQ(LoadCause(bytes, read), CArchiveException::none);
  ASSERT_EQ(read.GetCount(), 5);
  EXPECT_EQ(read.RemoveHead(), &sentinel);
  std::unique_ptr<CObject> firstRead(read.GetHead());
  std::unique_ptr<CObject> secondRead(read.GetAt(read.FindIndex(1)));
  EXPECT_EQ(read.GetAt(read.FindIndex(2)), nullptr);
  EXPECT_EQ(read.GetTail(), firstRead.get());
  EXPECT_EQ(ValueOf(firstRead.get()), 10);
  EXPECT_EQ(secondRead->GetRuntimeClass(), RUNTIME_CLASS(SampleDerived));
  EXPECT_EQ(ValueOf(secondRead.get()), 20);
}

TEST(ObList, ACutOrOverstatedListKeepsTheObjectsReadBeforeTheEnd) {
  std::vector<SampleValue> values(4);
  CObList list;
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i].m_value = static_cast<std::int32_t>(i);
    list.AddTail(&values[i]);
  }
  const std::vector<BYTE> bytes = StoreList(list);
  const int live = SampleValue::s_live;
  // Cut inside the third object's record.
  CObList read;
  OwnedObjects owner{read};
  EXPECT_EQ(LoadCause(std::vector<BYTE>(bytes.begin(), bytes.begin() + 2 + 21 + 6 + 3), read),
            CArchiveException::endOfFile);
  ASSERT_EQ(read.GetCount(), 2);
  EXPECT_EQ(ValueOf(read.GetHead()), 0);
  EXPECT_EQ(ValueOf(read.GetTail()), 1);
  EXPECT_EQ(SampleValue::s_live, live + 2);

  // Four billion declared, four objects present: loading stops at the data's end.
  std::vector<BYTE> huge = {0xFF, 0xFF, 0x00, 0x28, 0x6B, 0xEE};
  huge.insert(huge.end(), bytes.begin() + 2, bytes.end());
  CObList hugeRead;
  OwnedObjects hugeOwner{hugeRead};
  EXPECT_EQ(LoadCause(huge, hugeRead), CArchiveException::endOfFile);
  ASSERT_EQ(hugeRead.GetCount(), 4);
  EXPECT_EQ(ValueOf(hugeRead.GetTail()), 3);
}

}  // namespace
}  // namespace fpgeom::test
