#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"
#include "values/ArchiveRecord.h"

using fpgeom::testing::Coordinates;
using fpgeom::testing::LoadObject;
using fpgeom::testing::LoadRecord;
using fpgeom::testing::PointsOf;
using fpgeom::testing::PolygonOf;
using fpgeom::testing::StoreObject;
using fpgeom::testing::StoreRecord;

namespace {

using Bytes = std::vector<BYTE>;

const Coordinates kRectangleRing = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};

void AppendLittleEndian(Bytes& bytes, std::uint64_t bits, int size) {
  for (int shift = 0; shift < 8 * size; shift += 8) bytes.push_back(static_cast<BYTE>(bits >> shift));
}

// The record as the archive format lays it out: a WORD count below 0xFFFF,
// then x and y of each point.
Bytes RecordOf(const Coordinates& points) {
  Bytes bytes;
  AppendLittleEndian(bytes, points.size(), 2);
  for (const auto& [x, y] : points) {
    for (const double value : {x, y}) {
      std::uint64_t bits;
      std::memcpy(&bits, &value, sizeof bits);
      AppendLittleEndian(bytes, bits, 8);
    }
  }
  return bytes;
}

}  // namespace

TEST(Polygon, StoringWritesTheCountThenEachPointAndLoadingReplacesThePoints) {
  CFPPolygon polygon = PolygonOf(kRectangleRing);
  polygon.BeginIteration(2);
  EXPECT_EQ(StoreRecord(polygon), RecordOf(kRectangleRing));
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  CFPPolygon empty;
  EXPECT_EQ(StoreRecord(empty), (Bytes{0, 0}));

  CFPPolygon loaded = PolygonOf({{7, 7}, {8, 8}, {9, 9}, {1, 1}, {2, 2}});
  loaded.BeginIteration(1);
  LoadRecord(loaded, RecordOf(kRectangleRing));
  EXPECT_EQ(loaded.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(loaded), kRectangleRing);
}

TEST(Polygon, ATruncatedRecordKeepsThePointsReadCompletelyAndThrows) {
  Bytes bytes = RecordOf({{1, 2}, {3, 4}, {5, 6}, {7, 8}});
  bytes.resize(2 + 16 * 2 + 8);  // two and a half points
  CFPPolygon polygon = PolygonOf({{9, 9}});
  try {
    LoadRecord(polygon, bytes);
    ADD_FAILURE() << "loading a truncated record did not throw";
  } catch (const CArchiveException& error) {
    EXPECT_EQ(error.m_cause, CArchiveException::endOfFile);
  }
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{1, 2}, {3, 4}}));
}

TEST(Polygon, AnObjectReferenceNamesTheClassWithSchemaOne) {
  const Bytes bytes = StoreObject(PolygonOf(kRectangleRing));
  Bytes expected = {0xFF, 0xFF, 1, 0, 10, 0};
  for (char c : std::string("CFPPolygon")) expected.push_back(static_cast<BYTE>(c));
  const Bytes record = RecordOf(kRectangleRing);
  expected.insert(expected.end(), record.begin(), record.end());
  EXPECT_EQ(bytes, expected);

  const auto loaded = LoadObject(bytes, RUNTIME_CLASS(CFPPolygon));
  const auto* polygonLoaded = dynamic_cast<const CFPPolygon*>(loaded.get());
  ASSERT_NE(polygonLoaded, nullptr);
  EXPECT_EQ(PointsOf(*polygonLoaded), kRectangleRing);
}

// Points go through the archive in chunks; rings and truncations around the
// chunk size must give the per-point layout and keep every complete point.
TEST(Polygon, LongRingsStoreAndLoadPointByPointAcrossChunks) {
  for (const std::size_t size : {255u, 256u, 257u, 600u}) {
    SCOPED_TRACE(size);
    Coordinates ring;
    for (std::size_t k = 0; k < size; ++k) ring.emplace_back(k * 0.1 - 3, 1e300 / (k + 1));
    CFPPolygon polygon = PolygonOf(ring);
    const Bytes record = RecordOf(ring);
    EXPECT_EQ(StoreRecord(polygon), record);
    CFPPolygon loaded;
    LoadRecord(loaded, record);
    EXPECT_EQ(PointsOf(loaded), ring);

    for (const std::size_t kept : {std::size_t{0}, size / 2, size - 1}) {
      for (const std::size_t extra : {0u, 8u, 15u}) {
        Bytes truncated(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(2 + 16 * kept + extra));
        CFPPolygon partial;
        EXPECT_THROW(LoadRecord(partial, truncated), CArchiveException);
        EXPECT_EQ(PointsOf(partial), Coordinates(ring.begin(), ring.begin() + static_cast<std::ptrdiff_t>(kept)));
      }
    }
  }
}
