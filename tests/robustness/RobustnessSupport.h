// Shared by the robustness tests: rings and regions as coordinate lists,
// read back by walks that must visit exactly getCount() elements, and
// archives loaded from bytes.
#pragma once

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fpgeom/fpgeom.h"
#include "values/ArchiveRecord.h"

namespace fpgeom::test {

using Ring = std::vector<std::pair<double, double>>;

inline void AppendRing(CFPPolygon& polygon, const Ring& ring) {
  for (const auto& [x, y] : ring) polygon.AddTailNode(x, y);
}

// The points head to tail; a walk that does not visit getCount() points
// fails the test.
inline Ring WalkedRing(const CFPPolygon& polygon) {
  Ring ring;
  for (polygon.BeginIteration(DIR_FORWARD); polygon.isIterationFinished() == 0;) {
    const CFPPoint point = polygon.getNextNode();
    ring.emplace_back(point.x, point.y);
  }
  EXPECT_EQ(static_cast<int>(ring.size()), polygon.getCount());
  return ring;
}

inline Ring PositionsOf(const std::vector<CVertex*>& vertices) {
  Ring positions;
  for (const CVertex* vertex : vertices) positions.emplace_back(vertex->m_point.x, vertex->m_point.y);
  return positions;
}

inline std::vector<Ring> WalkedRegion(const CFPPolyRgn& region) {
  std::vector<Ring> rings;
  for (region.BeginIteration(); region.isIterationFinished() == 0;) rings.push_back(WalkedRing(*region.getNextPolygon()));
  EXPECT_EQ(static_cast<int>(rings.size()), region.getCount());
  return rings;
}

using fpgeom::testing::ArchiveBytes;
using fpgeom::testing::StoreRecord;

// A loading archive over bytes that it does not own.
struct LoadingArchive {
  explicit LoadingArchive(std::vector<BYTE>& bytes)
      : file(bytes.data(), static_cast<UINT>(bytes.size())), archive(&file, CArchive::load) {}
  CMemFile file;
  CArchive archive;
};

}  // namespace fpgeom::test
