// Building documents and reading rings back as point lists in the I/O tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fpgeom/io/Document.h"
#include "fpgeom/io/IoErrors.h"

namespace fpgeom::io::testing {

using Ring = std::vector<std::pair<double, double>>;

inline void AddRing(Document& document, const Ring& ring) {
  auto polygon = std::make_unique<CFPPolygon>();
  for (const auto& [x, y] : ring) polygon->AddTailNode(x, y);
  document.rings.AddPolygon(polygon.release());
}

inline std::vector<Ring> RingsAsPairs(const Document& document) {
  std::vector<Ring> rings;
  for (const CFPPolygon& polygon : RingsOf(document.rings)) {
    Ring ring;
    for (const CFPPoint& point : PointsOf(polygon)) ring.emplace_back(point.x, point.y);
    rings.push_back(ring);
  }
  return rings;
}

inline Ring PointsAsPairs(const Document& document) {
  Ring points;
  for (const CFPPoint& point : document.points) points.emplace_back(point.x, point.y);
  return points;
}

// The message of the ReadError that read() throws, or "accepted".
template <class Read>
std::string ReadErrorOf(Read read) {
  try {
    read();
  } catch (const ReadError& error) {
    return error.what();
  }
  return "accepted";
}

}  // namespace fpgeom::io::testing
