// What an edge list's index keeps about one of its edges: told when a host
// assigns one of the edge's ends, and when the edge is destroyed.
#pragma once

class CEdge;

namespace fpgeom::detail {

class EdgeWatch {
 public:
  EdgeWatch() = default;
  EdgeWatch(const EdgeWatch&) = delete;
  EdgeWatch& operator=(const EdgeWatch&) = delete;

  // Starts watching edge (null: stops), leaving any edge watched before. An
  // edge has one watch at most: a new one replaces the old.
  void Watch(CEdge* edge) noexcept;
  CEdge* Watched() const noexcept { return m_edge; }

  static void TellEndsChanged(CEdge& edge) noexcept;
  static void TellDestroyed(CEdge& edge) noexcept;

 protected:
  ~EdgeWatch() { Watch(nullptr); }

 private:
  virtual void EndsChanged() noexcept = 0;
  // Called after the watch has stopped watching.
  virtual void Destroyed() noexcept = 0;

  CEdge* m_edge = nullptr;
};

}  // namespace fpgeom::detail
