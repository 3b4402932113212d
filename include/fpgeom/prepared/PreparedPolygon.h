// PreparedPolygon: an indexed snapshot of a polygon for many point queries.
// It answers PtInPolygon and DistanceFromPoint with the same bits as the
// polygon did when it was prepared, holds no pointer into it, and has no
// cursor: it never changes after construction, so any number of threads may
// query one object (or copies of it, which share the index) at once.
#pragma once

#include <cstddef>
#include <memory>

#include "fpgeom/frame/Export.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom {

namespace detail {
struct PreparedRing;
}

class FPGEOM_API PreparedPolygon {
 public:
  // Preparing breaks a ring that meets itself down as PtInPolygon does, so
  // the polygon's cursor ends where one PtInPolygon call would leave it.
  // Later changes to the polygon are not seen.
  explicit PreparedPolygon(const CFPPolygon& polygon);

  // Queries: equal to the polygon's own answers at preparation time.
  int PtInPolygon(const CFPPoint& pt) const;
  double DistanceFromPoint(const CFPPoint& pt) const;

  // Batches over interleaved coordinates x0, y0, x1, y1, ...; count points,
  // one result each.
  void PtInPolygon(const double* xy, std::size_t count, int* results) const;
  void DistanceFromPoint(const double* xy, std::size_t count, double* results) const;

  // The bytes that the indexes hold, for sizing caches of prepared objects.
  std::size_t MemoryBytes() const;

 private:
  std::shared_ptr<const detail::PreparedRing> m_ring;
};

}  // namespace fpgeom
