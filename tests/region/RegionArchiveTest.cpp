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

using fpgeom::test::ContentsOf;
using fpgeom::test::Coordinates;
using fpgeom::test::CountedPolygon;
using fpgeom::test::MakePolygon;

const Coordinates kRing = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};
const Coordinates kTwoPoints = {{-1.5, 3.25}, {1e300, -0.0}};
const Coordinates kEmpty = {};

// The framework's archive format written out by hand, little-endian.
class ArchiveBytes {
 public:
  ArchiveBytes& Word(WORD value) {
    m_bytes.push_back(static_cast<BYTE>(value & 0xFF));
    m_bytes.push_back(static_cast<BYTE>(value >> 8));
    return *this;
  }
  ArchiveBytes& Double(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 0; shift < 64; shift += 8) m_bytes.push_back(static_cast<BYTE>(bits >> shift));
    return *this;
  }
  ArchiveBytes& NewClass(WORD schema, const std::string& name) {
    Word(0xFFFF).Word(schema).Word(static_cast<WORD>(name.size()));
    m_bytes.insert(m_bytes.end(), name.begin(), name.end());
    return *this;
  }
  ArchiveBytes& PolygonRecord(const Coordinates& points) {
    Word(static_cast<WORD>(points.size()));
    for (const auto& [x, y] : points) Double(x).Double(y);
    return *this;
  }
  std::vector<BYTE> Take() const { return m_bytes; }
  std::size_t Size() const { return m_bytes.size(); }

 private:
  std::vector<BYTE> m_bytes;
};

// Two polygons and an empty one: the class is named once, then referred to
// by its index, 1.
ArchiveBytes ThreePolygonList() {
  ArchiveBytes bytes;
  bytes.Word(3).NewClass(1, "CFPPolygon").PolygonRecord(kRing);
  bytes.Word(0x8001).PolygonRecord(kTwoPoints);
  bytes.Word(0x8001).PolygonRecord(kEmpty);
  return bytes;
}

std::vector<BYTE> Store(CFPPolyRgn& region) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  region.Serialize(archive);
  archive.Close();
  const BYTE* buffer = file.GetBuffer();
  return std::vector<BYTE>(buffer, buffer + file.GetLength());
}

void Load(CFPPolyRgn& region, std::vector<BYTE> bytes) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive archive(&file, CArchive::load);
  region.Serialize(archive);
}

int LoadFailureCause(CFPPolyRgn& region, const std::vector<BYTE>& bytes) {
  try {
    Load(region, bytes);
  } catch (const CArchiveException& error) {
    return error.m_cause;
  }
  return CArchiveException::none;
}

// A region of five counted polygons, to see that loading deletes them.
void FillWithFiveCountedPolygons(CFPPolyRgn& region) {
  for (int i = 0; i < 5; ++i) region.AddPolygon(new CountedPolygon(kRing));
}

TEST(PolyRgnArchive, StoresTheFrameworkObjectListByteForByte) {
  CFPPolyRgn region;
  region.AddPolygon(MakePolygon(kRing).release());
  region.AddPolygon(MakePolygon(kTwoPoints).release());
  region.AddPolygon(MakePolygon(kEmpty).release());
  region.BeginIteration();
  region.getNextPolygon();

  EXPECT_EQ(Store(region), ThreePolygonList().Take());
  // Storing walks the list with a position of its own.
  EXPECT_EQ(region.getCurrentPolygon()->getCount(), 2);
}

TEST(PolyRgnArchive, StoresAnEmptyRegionAsACountOfZero) {
  CFPPolyRgn region;
  EXPECT_EQ(Store(region), ArchiveBytes().Word(0).Take());
}

TEST(PolyRgnArchive, LoadingReplacesThePolygonsWithThoseReadInOrder) {
  CFPPolyRgn region;
  FillWithFiveCountedPolygons(region);
  region.BeginIteration();

  Load(region, ThreePolygonList().Take());

  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(region.isIterationFinished(), 1);
  EXPECT_EQ(ContentsOf(region), (std::vector<Coordinates>{kRing, kTwoPoints, kEmpty}));
}

TEST(PolyRgnArchive, RegionOfTwoPolygonsSurvivesARoundTrip) {
  CFPPolyRgn source;
  source.AddPolygon(MakePolygon(kTwoPoints).release());
  source.AddPolygon(MakePolygon(kRing).release());
  CFPPolyRgn target;
  FillWithFiveCountedPolygons(target);

  Load(target, Store(source));

  EXPECT_EQ(CountedPolygon::Alive(), 0);
  EXPECT_EQ(ContentsOf(target), ContentsOf(source));
}

// Cut the three-polygon list at several places: the polygons read completely
// before the end stay, and the one being read is dropped.
TEST(PolyRgnArchive, TruncatedListKeepsThePolygonsReadBeforeTheEnd) {
  const std::vector<BYTE> whole = ThreePolygonList().Take();
  const std::size_t firstEnds = ArchiveBytes().Word(3).NewClass(1, "CFPPolygon").PolygonRecord(kRing).Size();
  const struct {
    std::size_t length;
    std::size_t polygonsKept;
  } cases[] = {
      {0, 0},                   // not even the count
      {3, 0},                   // inside the class reference
      {12, 0},                  // inside the class name
      {firstEnds - 4, 0},       // inside the last coordinate of the first ring
      {firstEnds, 1},           // before the second object reference
      {firstEnds + 1, 1},       // inside the second object reference
      {firstEnds + 2 + 2 + 10, 1},  // inside the second polygon's first point
      {whole.size() - 1, 2},    // inside the empty polygon's count
  };
  for (const auto& cut : cases) {
    CFPPolyRgn region;
    const std::vector<BYTE> truncated(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut.length));
    EXPECT_EQ(LoadFailureCause(region, truncated), CArchiveException::endOfFile) << "cut at " << cut.length;
    EXPECT_EQ(region.getCount(), static_cast<int>(cut.polygonsKept)) << "cut at " << cut.length;
  }
}

TEST(PolyRgnArchive, ObjectOfAnotherClassIsBadClassAndKeepsEarlierPolygons) {
  const ArchiveBytes head = ArchiveBytes().Word(2).NewClass(1, "CFPPolygon").PolygonRecord(kRing);
  const struct {
    const char* what;
    WORD schema;
    const char* name;
  } cases[] = {
      {"a registered class that is no polygon", 0, "CObList"},
      {"a class that cannot be created by name", 0xFFFF, "CFPPolyRgn"},
      {"an unknown class", 1, "CFPPolygonX"},
  };
  for (const auto& stray : cases) {
    CFPPolyRgn region;
    ArchiveBytes bytes = head;
    // An empty record behind the stray class, as an empty list would store.
    bytes.NewClass(stray.schema, stray.name).Word(0);
    EXPECT_EQ(LoadFailureCause(region, bytes.Take()), CArchiveException::badClass) << stray.what;
    EXPECT_EQ(ContentsOf(region), std::vector<Coordinates>{kRing}) << stray.what;
  }
}

// A region owns each polygon once, so a reference that does not introduce a
// new polygon cannot be loaded into it.
TEST(PolyRgnArchive, NullOrRepeatedReferenceIsBadIndexAndKeepsEarlierPolygons) {
  const ArchiveBytes head = ArchiveBytes().Word(2).NewClass(1, "CFPPolygon").PolygonRecord(kRing);
  const struct {
    const char* what;
    WORD reference;
  } cases[] = {
      {"the null reference", 0x0000},
      {"a reference back to the first polygon (index 2)", 0x0002},
      {"a reference to an index not yet defined", 0x0009},
      {"a class index not yet defined", 0x8005},
  };
  for (const auto& reference : cases) {
    CFPPolyRgn region;
    ArchiveBytes bytes = head;
    EXPECT_EQ(LoadFailureCause(region, bytes.Word(reference.reference).Take()), CArchiveException::badIndex)
        << reference.what;
    EXPECT_EQ(ContentsOf(region), std::vector<Coordinates>{kRing}) << reference.what;
  }
}

TEST(PolyRgnArchive, PolygonWithAnotherSchemaIsBadSchema) {
  CFPPolyRgn region;
  const auto bytes = ArchiveBytes().Word(1).NewClass(2, "CFPPolygon").PolygonRecord(kRing).Take();
  EXPECT_EQ(LoadFailureCause(region, bytes), CArchiveException::badSchema);
  EXPECT_EQ(region.getCount(), 0);
}

}  // namespace
