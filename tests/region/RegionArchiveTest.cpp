#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "support/Shapes.h"
#include "values/ArchiveRecord.h"

namespace {

using namespace fpgeom::test;

const Ring kRing = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};
const Ring kTwoPoints = {{-1.5, 3.25}, {1e300, -0.0}};
const Ring kEmpty = {};

// The class is named once, then referred to by its index, 1.
const Bytes kThreePolygons = ArchiveBytes().Word(3).NewClass(1, "CFPPolygon").PolygonRecord(kRing).Word(0x8001)
                                 .PolygonRecord(kTwoPoints).Word(0x8001).PolygonRecord(kEmpty).bytes();

int Load(CFPPolyRgn& region, const Bytes& bytes) {
  return fpgeom::test::LoadingCause(bytes, [&](CArchive& ar) { region.Serialize(ar); });
}

TEST(PolyRgnArchive, StoresTheFrameworkObjectListByteForByte) {
  CFPPolyRgn region = RegionOf({kRing, kTwoPoints, kEmpty});
  region.BeginIteration();
  region.getNextPolygon();
  EXPECT_EQ(fpgeom::test::StoreRecord(region), kThreePolygons);
  EXPECT_EQ(region.getCurrentPolygon()->getCount(), 2) << "storing walks with a position of its own";
}

// Loading replaces the polygons held with those read in order; whatever goes
// wrong, those read completely before it stay. Other classes and schemas are
// covered with the hostile archives.
TEST(PolyRgnArchive, LoadingReplacesThePolygonsAndABadRecordKeepsThoseReadBeforeIt) {
  const ArchiveBytes head = ArchiveBytes().Word(2).NewClass(1, "CFPPolygon").PolygonRecord(kRing);
  const auto cut = [](std::size_t length) { return Bytes(kThreePolygons.begin(), kThreePolygons.begin() + length); };
  const std::size_t firstEnds = head.bytes().size();
  const struct {
    const char* what;
    Bytes bytes;
    int cause;
    std::size_t kept;
  } cases[] = {
      {"the whole list", kThreePolygons, CArchiveException::none, 3},
      {"cut inside the class name", cut(12), CArchiveException::endOfFile, 0},
      {"cut inside the second polygon's point", cut(firstEnds + 14), CArchiveException::endOfFile, 1},
      {"cut inside the empty polygon's count", cut(kThreePolygons.size() - 1), CArchiveException::endOfFile, 2},
      // A region owns each polygon once: only a new object can be loaded.
      {"the null reference", ArchiveBytes(head).Word(0x0000).bytes(), CArchiveException::badIndex, 1},
      {"back reference to the first polygon", ArchiveBytes(head).Word(0x0002).bytes(), CArchiveException::badIndex, 1},
  };
  const std::vector<Ring> all = {kRing, kTwoPoints, kEmpty};
  for (const auto& c : cases) {
    CFPPolyRgn region;
    for (int i = 0; i < 5; ++i) region.AddPolygon(new CountedPolygon(kRing));
    region.BeginIteration();
    EXPECT_EQ(Load(region, c.bytes), c.cause) << c.what;
    EXPECT_EQ(std::make_pair(CountedPolygon::Alive(), region.isIterationFinished()), std::make_pair(0, 1));
    EXPECT_EQ(WalkedRegion(region), std::vector<Ring>(all.begin(), all.begin() + c.kept)) << c.what;
  }
}

}  // namespace
