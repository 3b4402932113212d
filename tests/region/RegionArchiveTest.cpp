#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/frame/File.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "region/RegionTestSupport.h"

namespace {

using namespace fpgeom::test;
using Bytes = std::vector<BYTE>;

const Coordinates kRing = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};
const Coordinates kTwoPoints = {{-1.5, 3.25}, {1e300, -0.0}};
const Coordinates kEmpty = {};

// The framework's archive format written out by hand, little-endian.
struct ArchiveBytes {
  Bytes bytes;

  ArchiveBytes& Word(WORD value) {
    bytes.insert(bytes.end(), {static_cast<BYTE>(value & 0xFF), static_cast<BYTE>(value >> 8)});
    return *this;
  }
  ArchiveBytes& NewClass(WORD schema, const std::string& name) {
    Word(0xFFFF).Word(schema).Word(static_cast<WORD>(name.size()));
    bytes.insert(bytes.end(), name.begin(), name.end());
    return *this;
  }
  ArchiveBytes& PolygonRecord(const Coordinates& points) {
    Word(static_cast<WORD>(points.size()));
    for (const auto& [x, y] : points) {
      for (const double value : {x, y}) {
        BYTE raw[sizeof value];
        std::memcpy(raw, &value, sizeof value);
        bytes.insert(bytes.end(), raw, raw + sizeof value);
      }
    }
    return *this;
  }
};

// Two polygons and an empty one: the class is named once, then referred to
// by its index, 1.
const Bytes kThreePolygons =
    ArchiveBytes().Word(3).NewClass(1, "CFPPolygon").PolygonRecord(kRing).Word(0x8001).PolygonRecord(kTwoPoints)
        .Word(0x8001).PolygonRecord(kEmpty).bytes;

Bytes Store(CFPPolyRgn& region) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  region.Serialize(archive);
  archive.Close();
  return Bytes(file.GetBuffer(), file.GetBuffer() + file.GetLength());
}

// The cause of the archive exception loading throws, or none.
int Load(CFPPolyRgn& region, Bytes bytes) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive archive(&file, CArchive::load);
  try {
    region.Serialize(archive);
  } catch (const CArchiveException& error) {
    return error.m_cause;
  }
  return CArchiveException::none;
}

TEST(PolyRgnArchive, StoresTheFrameworkObjectListByteForByte) {
  CFPPolyRgn region = RegionOf({kRing, kTwoPoints, kEmpty});
  region.BeginIteration();
  region.getNextPolygon();
  EXPECT_EQ(Store(region), kThreePolygons);
  EXPECT_EQ(region.getCurrentPolygon()->getCount(), 2) << "storing walks with a position of its own";
  CFPPolyRgn empty;
  EXPECT_EQ(Store(empty), ArchiveBytes().Word(0).bytes);
}

TEST(PolyRgnArchive, LoadingReplacesThePolygonsWithThoseReadInOrder) {
  CFPPolyRgn region;
  for (int i = 0; i < 5; ++i) region.AddPolygon(new CountedPolygon(kRing));
  region.BeginIteration();
  EXPECT_EQ(Load(region, kThreePolygons), CArchiveException::none);
  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(region.isIterationFinished(), 1);
  EXPECT_EQ(ContentsOf(region), (std::vector<Coordinates>{kRing, kTwoPoints, kEmpty}));
}

// Whatever goes wrong, the polygons read completely before it stay.
TEST(PolyRgnArchive, ABadRecordThrowsItsCauseAndKeepsThePolygonsReadBeforeIt) {
  const ArchiveBytes head = ArchiveBytes().Word(2).NewClass(1, "CFPPolygon").PolygonRecord(kRing);
  const auto cut = [](std::size_t length) { return Bytes(kThreePolygons.begin(), kThreePolygons.begin() + length); };
  const std::size_t firstEnds = head.bytes.size();
  const struct {
    const char* what;
    Bytes bytes;
    int cause;
    std::size_t kept;
  } cases[] = {
      {"cut inside the class name", cut(12), CArchiveException::endOfFile, 0},
      {"cut before the second reference", cut(firstEnds), CArchiveException::endOfFile, 1},
      {"cut inside the second polygon's point", cut(firstEnds + 14), CArchiveException::endOfFile, 1},
      {"cut inside the empty polygon's count", cut(kThreePolygons.size() - 1), CArchiveException::endOfFile, 2},
      // An empty record behind the stray class, as an empty list would store.
      {"a registered class that is no polygon", ArchiveBytes(head).NewClass(0, "CObList").Word(0).bytes,
       CArchiveException::badClass, 1},
      {"an unknown class", ArchiveBytes(head).NewClass(1, "CFPPolygonX").Word(0).bytes, CArchiveException::badClass, 1},
      // A region owns each polygon once: only a new object can be loaded.
      {"the null reference", ArchiveBytes(head).Word(0x0000).bytes, CArchiveException::badIndex, 1},
      {"a reference back to the first polygon", ArchiveBytes(head).Word(0x0002).bytes, CArchiveException::badIndex, 1},
      {"a polygon of another schema", ArchiveBytes().Word(1).NewClass(2, "CFPPolygon").PolygonRecord(kRing).bytes,
       CArchiveException::badSchema, 0},
  };
  const std::vector<Coordinates> all = {kRing, kTwoPoints, kEmpty};
  for (const auto& c : cases) {
    CFPPolyRgn region;
    EXPECT_EQ(Load(region, c.bytes), c.cause) << c.what;
    EXPECT_EQ(ContentsOf(region), std::vector<Coordinates>(all.begin(), all.begin() + c.kept)) << c.what;
  }
}

}  // namespace
