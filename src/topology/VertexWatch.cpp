#include "topology/VertexWatch.h"

#include "fpgeom/topology/Vertex.h"

namespace fpgeom::detail {

void VertexWatch::Watch(CVertex* vertex) noexcept {
  if (m_vertex != nullptr) {
    (m_previous != nullptr ? m_previous->m_next : m_vertex->m_watches) = m_next;
    if (m_next != nullptr) m_next->m_previous = m_previous;
  }
  m_vertex = vertex;
  m_previous = nullptr;
  m_next = nullptr;
  if (vertex != nullptr) {
    m_next = vertex->m_watches;
    if (m_next != nullptr) m_next->m_previous = this;
    vertex->m_watches = this;
  }
}

VertexWatch* VertexWatch::First(const CVertex& vertex) noexcept { return vertex.m_watches; }

VertexWatch* VertexWatch::Find(const CVertex& vertex, const void* owner) noexcept {
  for (VertexWatch* watch = vertex.m_watches; watch != nullptr; watch = watch->m_next) {
    if (watch->m_owner == owner) return watch;
  }
  return nullptr;
}

void VertexWatch::TellMoved(CVertex& vertex) noexcept {
  for (VertexWatch* watch = vertex.m_watches; watch != nullptr; watch = watch->m_next) watch->Moved();
}

void VertexWatch::TellDestroyed(CVertex& vertex) noexcept {
  while (VertexWatch* watch = vertex.m_watches) {
    watch->Watch(nullptr);
    watch->Destroyed();
  }
}

}  // namespace fpgeom::detail
