#include "topology/EdgeWatch.h"

#include "fpgeom/topology/Edge.h"

namespace fpgeom::detail {

void EdgeWatch::Watch(CEdge* edge) noexcept {
  if (m_edge != nullptr && m_edge->m_watch == this) m_edge->m_watch = nullptr;
  m_edge = edge;
  if (edge == nullptr) return;
  if (edge->m_watch != nullptr) edge->m_watch->m_edge = nullptr;
  edge->m_watch = this;
}

void EdgeWatch::TellEndsChanged(CEdge& edge) noexcept {
  if (edge.m_watch != nullptr) edge.m_watch->EndsChanged();
}

void EdgeWatch::TellDestroyed(CEdge& edge) noexcept {
  if (EdgeWatch* watch = edge.m_watch) {
    watch->Watch(nullptr);
    watch->Destroyed();
  }
}

}  // namespace fpgeom::detail
