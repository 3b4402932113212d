// Archives written to hurt the loader: each must fail with its cause, soon,
// without allocating in proportion to what it claims and without leaking.
// "Soon" is held to the bytes the loader took from the file, and "without a
// large allocation" to the bytes it asked operator new for while loading.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/AllocationCounter.h"
#include "support/Shapes.h"
#include "values/ArchiveRecord.h"

namespace fpgeom::test {
namespace {

const Ring kTriangle = {{0, 0}, {0, 1}, {1, 0}};

enum class Into { Polygon, Region, TwoObjects };

TEST(HostileArchive, FailsWithItsCauseSoonAndSmallAndKeepsWhatWasReadBefore) {
  struct Case {
    const char* what;
    std::vector<BYTE> bytes;
    Into into;
    int cause;
    std::vector<Ring> kept;
  };
  // The name is really there, behind its length, and starts like a known one.
  const std::string longName = "CFPPolygon" + std::string(0xFFFF - 10, 'x');
  const Case cases[] = {
      {"a polygon count of four billion ends at the last point",
       ArchiveBytes().Word(0xFFFF).Dword(4000000000u).Points(kTriangle).bytes(), Into::Polygon,
       CArchiveException::endOfFile, {kTriangle}},
      {"a region count of four billion keeps the polygon that follows",
       ArchiveBytes().Word(0xFFFF).Dword(4000000000u).NewClass(1, "CFPPolygon").PolygonRecord(kTriangle).bytes(),
       Into::Region, CArchiveException::endOfFile, {kTriangle}},
      {"a short object index ahead", ArchiveBytes().NewClass(1, "CFPPoint").Double(1).Double(2).Word(7).bytes(),
       Into::TwoObjects, CArchiveException::badIndex, {}},
      {"a long object index far ahead", ArchiveBytes().Word(0x7FFF).Dword(0x3FFFFFFE).bytes(), Into::TwoObjects,
       CArchiveException::badIndex, {}},
      {"a class index ahead", ArchiveBytes().Word(0x7FFF).Dword(0x80000000u | 0x3FFFFFFE).bytes(), Into::TwoObjects,
       CArchiveException::badIndex, {}},
      {"a class name of 65535 bytes", ArchiveBytes().NewClass(1, longName).bytes(), Into::TwoObjects,
       CArchiveException::badClass, {}},
      {"a known class of another schema", ArchiveBytes().NewClass(2, "CFPPolygon").bytes(), Into::TwoObjects,
       CArchiveException::badSchema, {}},
      {"a region list holding a point keeps the polygons before",
       ArchiveBytes().Word(3).NewClass(1, "CFPPolygon").PolygonRecord(kTriangle).NewClass(1, "CFPPoint").Double(5)
           .Double(6).bytes(),
       Into::Region, CArchiveException::badClass, {kTriangle}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<BYTE> bytes = c.bytes;
    const std::ptrdiff_t liveBefore = AllocationCounter::LiveBlocks();
    {
      CFPPolygon polygon;
      CFPPolyRgn region;
      CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
      const std::size_t requestedBefore = AllocationCounter::BytesRequested();
      std::vector<std::unique_ptr<CObject>> objects;
      const int cause = [&] {  // the archive hands back what it read ahead as it closes
        CArchive archive(&file, CArchive::load);
        return ArchiveCause([&] {
          if (c.into == Into::Polygon) polygon.Serialize(archive);
          if (c.into == Into::Region) region.Serialize(archive);
          while (c.into == Into::TwoObjects && objects.size() < 2) objects.emplace_back(archive.ReadObject(nullptr));
        });
      }();
      EXPECT_EQ(cause, c.cause);
      // Room for the archive's own buffer and indices and a few list blocks,
      // far below what any of the counts above would take if believed.
      EXPECT_LT(AllocationCounter::BytesRequested() - requestedBefore, 64 * 1024u);
      // One buffer's worth of read-ahead at most, never a claimed length.
      EXPECT_LT(file.GetPosition(), 8 * 1024u);
      std::vector<Ring> kept = WalkedRegion(region);
      if (c.into == Into::Polygon) kept.push_back(WalkedRing(polygon));
      EXPECT_EQ(kept, c.kept);
    }
    EXPECT_EQ(AllocationCounter::LiveBlocks(), liveBefore);
  }
}

}  // namespace
}  // namespace fpgeom::test
