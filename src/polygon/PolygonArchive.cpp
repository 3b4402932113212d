#include "fpgeom/frame/Archive.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "polygon/RingWalk.h"

// The record is the point count and then each point's own record, x and y,
// head to tail; it has no header of its own and the cursor is not kept.
void CFPPolygon::Serialize(CArchive& ar) {
  if (!ar.IsLoading()) {
    ar.WriteCount(static_cast<DWORD_PTR>(m_points.GetCount()));
    fpgeom::detail::WalkForward(m_points, m_pos, [&ar](CFPPoint& point) { point.Serialize(ar); });
    return;
  }
  RemoveAll();
  // Points are appended one by one as they are read, never reserved from the
  // count: a record that ends early leaves the points read completely.
  for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0; --remaining) {
    double x;
    double y;
    ar >> x >> y;
    AddTailNode(x, y);
  }
}
