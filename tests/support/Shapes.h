// Rings and regions as coordinate lists, built into polygons and read back by
// walks that must visit exactly getCount() elements: coordinates compare
// exactly, unlike CFPPoint's equality, which allows 2^-23, and bits compare
// -0.0 and NaNs too. Points and rectangles checked coordinate by coordinate.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fpgeom/fpgeom.h"

namespace fpgeom::test {

using Ring = std::vector<std::pair<double, double>>;

inline void AppendRing(CFPPolygon& polygon, const Ring& ring) {
  for (const auto& [x, y] : ring) polygon.AddTailNode(x, y);
}

inline CFPPolygon PolygonOf(const Ring& points) {
  CFPPolygon polygon;
  AppendRing(polygon, points);
  return polygon;
}

// Of CFPPoints; a template, so that a braced list takes the overload above.
template <class Point>
CFPPolygon PolygonOf(const std::vector<Point>& points) {
  CFPPolygon polygon;
  for (const Point& point : points) polygon.AddTailNode(point);
  return polygon;
}

// The points from the one the cursor designates to the tail: pins down which
// node the cursor is on, not only its value. Leaves the cursor at the end.
inline Ring PointsFromCursor(const CFPPolygon& polygon) {
  Ring points;
  while (polygon.isPosValid() != 0) {
    const CFPPoint point = polygon.getNextNode();
    points.emplace_back(point.x, point.y);
  }
  return points;
}

// The points head to tail; the cursor ends at the end, so check the cursor
// first.
inline Ring WalkedRing(const CFPPolygon& polygon) {
  polygon.BeginIteration(DIR_FORWARD);
  Ring ring = PointsFromCursor(polygon);
  EXPECT_EQ(static_cast<int>(ring.size()), polygon.getCount());
  return ring;
}

inline std::vector<std::uint64_t> BitsFromCursor(const CFPPolygon& polygon) {
  std::vector<std::uint64_t> bits;
  for (const auto& [x, y] : PointsFromCursor(polygon)) {
    for (const double value : {x, y}) {
      std::uint64_t word;
      std::memcpy(&word, &value, sizeof word);
      bits.push_back(word);
    }
  }
  return bits;
}

inline std::vector<std::uint64_t> BitsOf(const CFPPolygon& polygon) {
  polygon.BeginIteration(DIR_FORWARD);
  return BitsFromCursor(polygon);
}

inline Ring PositionsOf(const std::vector<CVertex*>& vertices) {
  Ring positions;
  for (const CVertex* vertex : vertices) positions.emplace_back(vertex->m_point.x, vertex->m_point.y);
  return positions;
}

// Clockwise (filled) with y up, as the rectangle constructor gives it, or the
// other way round.
inline Ring Square(double left, double bottom, double size, bool reversed = false) {
  Ring ring = {{left, bottom}, {left, bottom + size}, {left + size, bottom + size}, {left + size, bottom}};
  if (reversed) std::reverse(ring.begin(), ring.end());
  return ring;
}

inline std::unique_ptr<CFPPolygon> MakePolygon(const Ring& points) {
  auto polygon = std::make_unique<CFPPolygon>();
  AppendRing(*polygon, points);
  return polygon;
}

inline CFPPolyRgn RegionOf(const std::vector<Ring>& rings) {
  CFPPolyRgn region;
  for (const Ring& ring : rings) region.AddPolygon(MakePolygon(ring).release());
  return region;
}

inline std::vector<CFPPolygon*> PolygonsOf(const CFPPolyRgn& region) {
  std::vector<CFPPolygon*> polygons;
  for (region.BeginIteration(); region.isIterationFinished() == 0;) polygons.push_back(region.getNextPolygon());
  return polygons;
}

inline std::vector<Ring> WalkedRegion(const CFPPolyRgn& region) {
  std::vector<Ring> rings;
  for (CFPPolygon* polygon : PolygonsOf(region)) rings.push_back(WalkedRing(*polygon));
  EXPECT_EQ(static_cast<int>(rings.size()), region.getCount());
  return rings;
}

// Counts its live instances, so that a test sees which were deleted.
class CountedPolygon : public CFPPolygon {
 public:
  explicit CountedPolygon(const Ring& points = {}) {
    AppendRing(*this, points);
    ++s_alive;
  }
  CountedPolygon(const CountedPolygon&) = delete;
  CountedPolygon& operator=(const CountedPolygon&) = delete;
  ~CountedPolygon() override { --s_alive; }
  static int Alive() { return s_alive; }

 private:
  inline static int s_alive = 0;
};

inline void ExpectPoint(const CFPPoint& point, double x, double y) {
  EXPECT_EQ(std::pair(point.x, point.y), std::pair(x, y));
}

// Written and checked in (left, bottom)-(right, top) order.
inline void ExpectRect(const CFPRect& rect, double left, double bottom, double right, double top) {
  EXPECT_EQ(std::tuple(rect.left, rect.bottom, rect.right, rect.top), std::tuple(left, bottom, right, top));
}

inline CFPRect RectFromCorners(double left, double bottom, double right, double top) {
  return CFPRect(left, right, bottom, top);
}

}  // namespace fpgeom::test
