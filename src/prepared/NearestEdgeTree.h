// The least distance from a point to the edges of a ring, found in a tree of
// bounding boxes over runs of neighbouring edges instead of a walk over all.
#pragma once

#include <cstddef>
#include <vector>

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPSegment.h"
#include "prepared/CrossingIndex.h"

namespace fpgeom::detail {

class NearestEdgeTree {
 public:
  // points: the ring head to tail. Edges whose ends are exactly equal are
  // left out, as the distance leaves them out.
  explicit NearestEdgeTree(const std::vector<RingPoint>& points);

  bool Empty() const { return m_edges.empty(); }
  // The least CFPSegment::distance from pt to an edge with length, +infinity
  // when there is none: the same bits as taking the least over every edge.
  double Least(const CFPPoint& pt) const;

  std::size_t MemoryBytes() const;

 private:
  struct Box {
    double left, bottom, right, top;
  };

  double LeastByWalk(const CFPPoint& pt) const;
  double LeastInLeaf(std::size_t leaf, const CFPPoint& pt, double least) const;

  // Leaf j holds edges kLeafEdges * j up to the next leaf's first.
  std::vector<CFPSegment> m_edges;
  // An implicit complete binary tree: node 1 is the root, node k has
  // children 2k and 2k + 1, and the leaves are m_firstLeaf onwards.
  std::vector<Box> m_boxes;
  std::size_t m_firstLeaf = 1;
  // The largest magnitude of a coordinate; the tree is used only when it is
  // finite and far from overflow.
  double m_magnitude = 0;
  bool m_searchable = false;
};

}  // namespace fpgeom::detail
