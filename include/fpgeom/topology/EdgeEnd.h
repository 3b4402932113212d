// One end of an edge. It reads as a pointer to the end vertex, and an
// assignment to it reaches the edge list that files the edge by its ends, so
// a host may still set the ends of an edge directly.
#pragma once

#include "fpgeom/frame/Export.h"

class CEdge;
class CVertex;

namespace fpgeom {

class FPGEOM_API EdgeEnd {
 public:
  EdgeEnd(const EdgeEnd&) = delete;
  EdgeEnd& operator=(CVertex* vertex) noexcept;
  EdgeEnd& operator=(const EdgeEnd& other) noexcept { return *this = other.m_vertex; }

  operator CVertex*() const noexcept { return m_vertex; }
  CVertex* operator->() const noexcept { return m_vertex; }
  CVertex& operator*() const noexcept { return *m_vertex; }

 private:
  friend class ::CEdge;
  EdgeEnd(CEdge& edge, CVertex* vertex) noexcept : m_edge(edge), m_vertex(vertex) {}

  CEdge& m_edge;
  CVertex* m_vertex;
};

}  // namespace fpgeom
