#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "fpgeom/frame/ObList.h"
#include "frame/SampleObjects.h"
#include "values/ArchiveRecord.h"

namespace fpgeom::test {
namespace {

// Loads a list that holds one object already: the archive's cause and the
// values of the objects loaded after it, which are deleted.
std::pair<int, std::vector<std::int32_t>> Loaded(const Bytes& bytes) {
  CObList list;
  SampleValue held(-1);
  list.AddTail(&held);
  const int cause = LoadingCause(bytes, [&](CArchive& ar) { list.Serialize(ar); });
  EXPECT_EQ(list.RemoveHead(), &held);
  std::vector<std::int32_t> values;
  for (std::unique_ptr<CObject> object; !list.IsEmpty();) {
    object.reset(list.RemoveHead());
    values.push_back(object ? static_cast<SampleValue*>(object.get())->m_value : 0);
  }
  return {cause, values};
}

// The stored form is covered with the region's; a list loaded from a cut or
// overstated record keeps every object read before the end, and nothing else.
TEST(ObList, LoadsAfterWhatItHoldsAndKeepsTheObjectsReadBeforeAnEnd) {
  using Outcome = std::pair<int, std::vector<std::int32_t>>;
  Bytes objects = ArchiveBytes().NewClass(3, "SampleValue").Dword(7).Word(0).Word(0x8001).Dword(8).bytes();
  const int live = SampleValue::s_live;
  EXPECT_EQ(Loaded(ArchiveBytes().Word(3).Append(objects).bytes()), (Outcome{CArchiveException::none, {7, 0, 8}}));
  // Four billion declared, three objects present: loading stops at the data's end.
  EXPECT_EQ(Loaded(ArchiveBytes().Word(0xFFFF).Dword(4000000000u).Append(objects).bytes()),
            (Outcome{CArchiveException::endOfFile, {7, 0, 8}}));
  objects.resize(objects.size() - 2);  // inside the third record
  EXPECT_EQ(Loaded(ArchiveBytes().Word(3).Append(objects).bytes()), (Outcome{CArchiveException::endOfFile, {7, 0}}));
  EXPECT_EQ(SampleValue::s_live, live);
}

}  // namespace
}  // namespace fpgeom::test
