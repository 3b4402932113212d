#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/frame/File.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/PolygonTesting.h"

using fpgeom::testing::AppendAll;
using fpgeom::testing::Coordinates;
using fpgeom::testing::PointsOf;

namespace {

using Bytes = std::vector<BYTE>;

const Coordinates kRectangleRing = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};

void AppendWord(Bytes& bytes, std::uint16_t word) {
  bytes.push_back(static_cast<BYTE>(word & 0xFF));
  bytes.push_back(static_cast<BYTE>(word >> 8));
}

void AppendDouble(Bytes& bytes, double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int shift = 0; shift < 64; shift += 8) bytes.push_back(static_cast<BYTE>(bits >> shift));
}

// The record as the archive format lays it out: a WORD count below 0xFFFF,
// then x and y of each point.
Bytes RecordOf(const Coordinates& points) {
  Bytes bytes;
  AppendWord(bytes, static_cast<std::uint16_t>(points.size()));
  for (const auto& [x, y] : points) {
    AppendDouble(bytes, x);
    AppendDouble(bytes, y);
  }
  return bytes;
}

template <class Write>
Bytes Stored(Write write) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  write(archive);
  archive.Close();
  return Bytes(file.GetBuffer(), file.GetBuffer() + file.GetLength());
}

template <class Read>
void Load(Bytes bytes, Read read) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive archive(&file, CArchive::load);
  read(archive);
}

CFPPolygon PolygonOf(const Coordinates& points) {
  CFPPolygon polygon;
  AppendAll(polygon, points);
  return polygon;
}

}  // namespace

TEST(Polygon, StoringWritesTheCountThenEachPointHeadToTail) {
  CFPPolygon polygon = PolygonOf(kRectangleRing);
  polygon.BeginIteration(2);
  const Bytes bytes = Stored([&](CArchive& ar) { polygon.Serialize(ar); });
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(bytes.size(), 2u + 64u);
  EXPECT_EQ(bytes, RecordOf(kRectangleRing));

  CFPPolygon empty;
  EXPECT_EQ(Stored([&](CArchive& ar) { empty.Serialize(ar); }), (Bytes{0, 0}));
}

TEST(Polygon, LoadingReplacesThePointsWithTheRecordHeadFirst) {
  CFPPolygon polygon = PolygonOf({{7, 7}, {8, 8}, {9, 9}, {1, 1}, {2, 2}});
  polygon.BeginIteration(1);
  Load(RecordOf(kRectangleRing), [&](CArchive& ar) { polygon.Serialize(ar); });
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), kRectangleRing);

  Load(RecordOf({}), [&](CArchive& ar) { polygon.Serialize(ar); });
  EXPECT_EQ(polygon.isEmpty(), 1);
}

TEST(Polygon, ATruncatedRecordKeepsThePointsReadCompletelyAndThrows) {
  Bytes bytes = RecordOf({{1, 2}, {3, 4}, {5, 6}, {7, 8}});
  bytes.resize(2 + 16 * 2 + 8);  // two and a half points
  CFPPolygon polygon = PolygonOf({{9, 9}});
  try {
    Load(bytes, [&](CArchive& ar) { polygon.Serialize(ar); });
    ADD_FAILURE() << "loading a truncated record did not throw";
  } catch (const CArchiveException& error) {
    EXPECT_EQ(error.m_cause, CArchiveException::endOfFile);
  }
  EXPECT_EQ(polygon.isIterationFinished(), 1);
  EXPECT_EQ(PointsOf(polygon), (Coordinates{{1, 2}, {3, 4}}));
}

TEST(Polygon, AnObjectReferenceNamesTheClassWithSchemaOne) {
  const CFPPolygon polygon = PolygonOf(kRectangleRing);
  const Bytes bytes = Stored([&](CArchive& ar) { ar.WriteObject(&polygon); });
  Bytes expected;
  AppendWord(expected, 0xFFFF);
  AppendWord(expected, 1);
  AppendWord(expected, 10);
  for (char c : std::string("CFPPolygon")) expected.push_back(static_cast<BYTE>(c));
  const Bytes record = RecordOf(kRectangleRing);
  expected.insert(expected.end(), record.begin(), record.end());
  EXPECT_EQ(bytes, expected);

  std::unique_ptr<CObject> loaded;
  Load(bytes, [&](CArchive& ar) { loaded.reset(ar.ReadObject(RUNTIME_CLASS(CFPPolygon))); });
  const auto* polygonLoaded = dynamic_cast<const CFPPolygon*>(loaded.get());
  ASSERT_NE(polygonLoaded, nullptr);
  EXPECT_EQ(PointsOf(*polygonLoaded), kRectangleRing);
}
