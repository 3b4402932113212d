// Archives written to hurt the loader: each must fail with its cause, soon,
// and without allocating in proportion to what it claims. "Soon" is held to
// the bytes the loader took from the file, and "without a large allocation"
// to the bytes it asked operator new for while loading.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/AllocationCounter.h"
#include "robustness/RobustnessSupport.h"

namespace fpgeom::test {
namespace {

const Ring kTriangle = {{0, 0}, {0, 1}, {1, 0}};

// Room for the archive's own buffer and indices and a few list blocks, far
// below what any of the hostile counts below would take if believed.
constexpr std::size_t kAllocationBudget = 64 * 1024;

struct Outcome {
  int cause = CArchiveException::none;
  std::size_t bytesAllocated = 0;
  ULONGLONG bytesConsumed = 0;
};

Outcome Load(std::vector<BYTE> bytes, const std::function<void(CArchive&)>& load) {
  Outcome outcome;
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  const std::size_t before = AllocationCounter::BytesRequested();
  {
    CArchive archive(&file, CArchive::load);
    try {
      load(archive);
    } catch (const CArchiveException& error) {
      outcome.cause = error.m_cause;
    }
  }
  outcome.bytesAllocated = AllocationCounter::BytesRequested() - before;
  outcome.bytesConsumed = file.GetPosition();
  return outcome;
}

void ReadAnyObjects(CArchive& archive, int count) {
  std::vector<std::unique_ptr<CObject>> objects;
  for (int i = 0; i < count; ++i) objects.emplace_back(archive.ReadObject(nullptr));
}

TEST(HostileArchive, APolygonCountOfFourBillionEndsAtTheLastPoint) {
  ArchiveBytes bytes;
  bytes.Word(0xFFFF).Dword(4000000000u);
  for (const auto& [x, y] : kTriangle) bytes.Double(x).Double(y);
  CFPPolygon polygon;
  const Outcome outcome = Load(bytes.bytes(), [&](CArchive& ar) { polygon.Serialize(ar); });
  EXPECT_EQ(outcome.cause, CArchiveException::endOfFile);
  EXPECT_EQ(WalkedRing(polygon), kTriangle);
  EXPECT_LT(outcome.bytesAllocated, kAllocationBudget);
}

TEST(HostileArchive, ARegionCountOfFourBillionKeepsThePolygonThatFollows) {
  ArchiveBytes bytes;
  bytes.Word(0xFFFF).Dword(4000000000u).NewClass(1, "CFPPolygon").PolygonRecord(kTriangle);
  CFPPolyRgn region;
  const Outcome outcome = Load(bytes.bytes(), [&](CArchive& ar) { region.Serialize(ar); });
  EXPECT_EQ(outcome.cause, CArchiveException::endOfFile);
  EXPECT_EQ(WalkedRegion(region), std::vector<Ring>{kTriangle});
  EXPECT_LT(outcome.bytesAllocated, kAllocationBudget);
}

TEST(HostileArchive, AnObjectIndexThatPointsForwardIsBadIndex) {
  struct Case {
    const char* what;
    std::vector<BYTE> bytes;
  };
  const Case cases[] = {
      {"a short index ahead", ArchiveBytes().NewClass(1, "CFPPoint").Double(1).Double(2).Word(7).bytes()},
      {"a long index far ahead", ArchiveBytes().Word(0x7FFF).Dword(0x3FFFFFFE).bytes()},
      {"a class index ahead", ArchiveBytes().Word(0x7FFF).Dword(0x80000000u | 0x3FFFFFFE).bytes()},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Load(c.bytes, [](CArchive& ar) { ReadAnyObjects(ar, 2); });
    EXPECT_EQ(outcome.cause, CArchiveException::badIndex) << c.what;
    EXPECT_LT(outcome.bytesAllocated, kAllocationBudget) << c.what;
  }
}

TEST(HostileArchive, AClassNameOf65535BytesIsRefusedBeforeItIsRead) {
  // The name is really there, behind its length, and starts like a known one.
  const std::string name = "CFPPolygon" + std::string(0xFFFF - 10, 'x');
  const Outcome outcome = Load(ArchiveBytes().NewClass(1, name).bytes(), [](CArchive& ar) { ReadAnyObjects(ar, 1); });
  EXPECT_EQ(outcome.cause, CArchiveException::badClass);
  EXPECT_LT(outcome.bytesAllocated, kAllocationBudget);
  // One buffer's worth of read-ahead at most, not the name.
  EXPECT_LT(outcome.bytesConsumed, 8 * 1024u);
}

TEST(HostileArchive, ASchemaMismatchIsBadSchemaAndCreatesNothing) {
  const Outcome outcome = Load(ArchiveBytes().NewClass(2, "CFPPolygon").PolygonRecord(kTriangle).bytes(),
                               [](CArchive& ar) { ReadAnyObjects(ar, 1); });
  EXPECT_EQ(outcome.cause, CArchiveException::badSchema);
  EXPECT_LT(outcome.bytesAllocated, kAllocationBudget);
}

TEST(HostileArchive, ARegionListHoldingAPointIsBadClassAndKeepsThePolygonsBefore) {
  ArchiveBytes bytes;
  bytes.Word(3).NewClass(1, "CFPPolygon").PolygonRecord(kTriangle).NewClass(1, "CFPPoint").Double(5).Double(6);
  CFPPolyRgn region;
  const std::ptrdiff_t liveBefore = AllocationCounter::LiveBlocks();
  const Outcome outcome = Load(bytes.bytes(), [&](CArchive& ar) { region.Serialize(ar); });
  EXPECT_EQ(outcome.cause, CArchiveException::badClass);
  EXPECT_EQ(WalkedRegion(region), std::vector<Ring>{kTriangle});
  region.EmptyRgn();
  EXPECT_EQ(AllocationCounter::LiveBlocks(), liveBefore);
}

}  // namespace
}  // namespace fpgeom::test
