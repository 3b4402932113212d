// What an index keeps about one vertex it files by position. A vertex chains
// the watches on it and tells each of them when it moves and when it is
// destroyed, so that no index answers from a position the vertex has left.
#pragma once

class CVertex;

namespace fpgeom::detail {

class VertexWatch {
 public:
  VertexWatch() = default;
  VertexWatch(const VertexWatch&) = delete;
  VertexWatch& operator=(const VertexWatch&) = delete;

  // Starts watching vertex (null: stops), leaving any vertex watched before.
  void Watch(CVertex* vertex) noexcept;
  CVertex* Watched() const noexcept { return m_vertex; }
  // The index this watch belongs to, so that an index can find its own
  // watch among a vertex's.
  const void* Owner() const noexcept { return m_owner; }

  // The watch that owner keeps on vertex, or null.
  static VertexWatch* Find(const CVertex& vertex, const void* owner) noexcept;
  // The watches on vertex, newest first.
  static VertexWatch* First(const CVertex& vertex) noexcept;
  VertexWatch* Next() const noexcept { return m_next; }

  // Called by the vertex after its position changed, and as it is destroyed.
  static void TellMoved(CVertex& vertex) noexcept;
  static void TellDestroyed(CVertex& vertex) noexcept;

 protected:
  explicit VertexWatch(const void* owner) noexcept : m_owner(owner) {}
  ~VertexWatch() { Watch(nullptr); }

 private:
  // Neither may throw: the vertex has already moved, or is going.
  virtual void Moved() noexcept = 0;
  // Called after the watch has stopped watching.
  virtual void Destroyed() noexcept = 0;

  const void* m_owner = nullptr;
  CVertex* m_vertex = nullptr;
  VertexWatch* m_previous = nullptr;
  VertexWatch* m_next = nullptr;
};

}  // namespace fpgeom::detail
