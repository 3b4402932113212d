#include "fpgeom/frame/Archive.h"
#include "fpgeom/region/FPPolyRgn.h"

void CFPPolyRgn::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    m_polygons.Serialize(ar);
    return;
  }
  EmptyRgn();
  // Each polygon is read as a new object of the polygon class, so a stray
  // class or a second reference to one polygon fails before anything is
  // created, and a polygon read is owned until the list holds it.
  for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0; --remaining) {
    std::unique_ptr<CObject> object = fpgeom::ReadOwnedObject(ar, RUNTIME_CLASS(CFPPolygon));
    AppendOwned(std::unique_ptr<CFPPolygon>(static_cast<CFPPolygon*>(object.release())));
  }
}
