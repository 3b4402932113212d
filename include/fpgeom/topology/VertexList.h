// CVertexList: all the vertices of one topology, owned, with one cursor,
// m_pos, shared by the caller's iteration and the list's own walks (const
// operations move it too). Positions within 2^-23 per coordinate are merged
// into the first vertex listed there. The destructor destroys no vertex:
// call Empty first.
#pragma once

#include <memory>

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPPoint.h"

class CFPPolygon;
class CVertex;

namespace fpgeom::detail {
class VertexIndex;
}  // namespace fpgeom::detail

class FPGEOM_API CVertexList {
 public:
  // Construction: empty, cursor at the end.
  CVertexList();
  CVertexList(const CVertexList&) = delete;
  CVertexList& operator=(const CVertexList&) = delete;
  ~CVertexList();

  // Building. The first form links pPolygon to the first vertex at pt,
  // creating one at pt when there is none; the cursor ends after the vertex
  // found, or at the end. The second form appends pVertex as it is and
  // takes ownership.
  CVertex* AddVertex(const CFPPoint& pt, CFPPolygon* pPolygon);
  void AddVertex(CVertex* pVertex);

  // Releasing. DeleteVertex first removes pVertex from every neighbour's
  // neighbour list, then destroys it and removes its entry; a vertex that is
  // not listed raises CInvalidArgException after its neighbours have
  // dropped it, and stays the caller's. Empty destroys every vertex and
  // leaves the cursor at the end.
  void DeleteVertex(CVertex* pVertex);
  void Empty();

  // The first vertex strictly nearer to pt than maxDistance and than every
  // vertex before it, or null; the cursor ends at the end.
  CVertex* GetNearest(const CFPPoint& pt, double maxDistance) const;

  // Iteration. The readers throw CInvalidArgException at the end.
  void BeginIteration() const;
  CVertex* GetCurrentVertex() const;
  CVertex* GetNextVertex() const;
  int isIterationFinished() const;

 private:
  CTypedPtrList<CObList, CVertex*> m_vertices;
  mutable POSITION m_pos = nullptr;
  // Files the vertices by position, so that look-ups need not walk.
  std::unique_ptr<fpgeom::detail::VertexIndex> m_index;
};
