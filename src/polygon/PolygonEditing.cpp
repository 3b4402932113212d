#include <utility>

#include "fpgeom/polygon/FPPolygon.h"

namespace {

using PointList = CList<CFPPoint, const CFPPoint&>;

// A point's neighbours in the ring: across the closing edge the tail comes
// before the head.
const CFPPoint& RingPredecessor(const PointList& points, POSITION node) {
  points.GetPrev(node);
  return node != nullptr ? points.GetAt(node) : points.GetTail();
}

const CFPPoint& RingSuccessor(const PointList& points, POSITION node) {
  points.GetNext(node);
  return node != nullptr ? points.GetAt(node) : points.GetHead();
}

// A cursor on the removed point goes to the end rather than keep the
// position of a node that is back on the free chain.
void RemovePoint(PointList& points, POSITION position, POSITION& cursor) {
  points.RemoveAt(position);
  if (cursor == position) cursor = nullptr;
}

}  // namespace

// The list inserts at the head before the end and at the tail after it, which
// is exactly what a failed search asks for.
void CFPPolygon::InsertBefore(const CFPPoint& ptBefore, const CFPPoint& pt) {
  Find(ptBefore);
  m_points.InsertBefore(m_pos, pt);
}

void CFPPolygon::InsertAfter(const CFPPoint& ptAfter, const CFPPoint& pt) {
  Find(ptAfter);
  m_pos = m_points.InsertAfter(m_pos, pt);
}

// Visits the points of the ring as it was on entry, head to tail, and never
// the points it inserts, so it ends even when pt itself matches p1 or p2.
// Each matching point splits its edge to its predecessor first, then its
// edge to its successor. An edge is split once: when the point before split
// its edge to this one, or the head split the closing edge, the other end
// leaves that edge alone.
void CFPPolygon::InsertBetween(const CFPPoint& p1, const CFPPoint& p2, const CFPPoint& pt) {
  m_pos = nullptr;
  const POSITION tail = m_points.GetTailPosition();
  bool closingEdgeSplit = false;
  bool edgeFromPreviousSplit = false;
  bool atHead = true;
  POSITION following = m_points.GetHeadPosition();
  while (following != nullptr) {
    const POSITION node = following;
    const bool matchesFirstEnd = m_points.GetNext(following) == p1;
    bool edgeToFollowingSplit = false;
    if (matchesFirstEnd) {
      if (!edgeFromPreviousSplit && RingPredecessor(m_points, node) == p2) {
        m_points.InsertBefore(node, pt);
        if (atHead) closingEdgeSplit = true;
      }
      const bool edgeToSuccessorSplit = node == tail && closingEdgeSplit;
      if (!edgeToSuccessorSplit && RingSuccessor(m_points, node) == p2) {
        m_points.InsertAfter(node, pt);
        edgeToFollowingSplit = true;
      }
    }
    edgeFromPreviousSplit = edgeToFollowingSplit;
    atHead = false;
  }
}

void CFPPolygon::RemoveNode(const CFPPoint& pt) {
  if (Find(pt) != 0) RemovePoint(m_points, m_pos, m_pos);
}

void CFPPolygon::RemoveNodeByIndex(int index) {
  const POSITION position = m_points.FindIndex(index);
  if (position == nullptr) throw CInvalidArgException("polygon point index out of range");
  RemovePoint(m_points, position, m_pos);
}

void CFPPolygon::RemoveCurrentNode() { RemovePoint(m_points, m_pos, m_pos); }

CFPPoint CFPPolygon::RemoveHeadNode() {
  const CFPPoint head = getHeadNode();
  RemovePoint(m_points, m_points.GetHeadPosition(), m_pos);
  return head;
}

CFPPoint CFPPolygon::RemoveTailNode() {
  const CFPPoint tail = getTailNode();
  RemovePoint(m_points, m_points.GetTailPosition(), m_pos);
  return tail;
}

// Moves values only: the nodes, and so the cursor's position, stay put.
void CFPPolygon::Revert() {
  POSITION fromHead = m_points.GetHeadPosition();
  POSITION fromTail = m_points.GetTailPosition();
  for (INT_PTR pairs = m_points.GetCount() / 2; pairs > 0; --pairs) {
    CFPPoint& front = m_points.GetNext(fromHead);
    CFPPoint& back = m_points.GetPrev(fromTail);
    std::swap(front.x, back.x);
    std::swap(front.y, back.y);
  }
}
