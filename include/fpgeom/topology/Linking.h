// Building a shared topology from polygons in one call.
#pragma once

#include "fpgeom/frame/Export.h"

class CFPPolygon;
class CVertexList;
class CEdgeList;

namespace fpgeom {

// Links polygons[0], ..., polygons[count - 1], in that order, into the two
// lists. Each polygon's points, head to tail, go to the vertex list through
// CVertexList::AddVertex, so a point within 2^-23 per coordinate of a vertex
// already listed joins that vertex (the first listed there) rather than
// making a new one. Each side, the closing side from the tail back to the
// head included, goes to the edge list through CEdgeList::AddEdge, and its
// two end vertices become neighbours of each other. A side whose two ends
// joined the same vertex (a repeated point, or two points within the
// tolerance) gives no edge and no neighbour, so a polygon of one distinct
// point links one vertex and nothing else. Null entries and empty polygons
// are passed over. Every polygon's cursor ends at the end; the lists'
// cursors end as their own walks leave them.
//
// The polygons stay the caller's and must outlive the links. The lists own
// what is added, as always: call Empty on both before they go. When an
// allocation fails, std::bad_alloc propagates and every vertex, edge and link
// made before the failure stays in place, so the lists remain whole and
// usable but hold part of the polygons; Empty them to start again.
FPGEOM_API void LinkPolygons(CFPPolygon* const* polygons, int count, CVertexList& vertices, CEdgeList& edges);

}  // namespace fpgeom
