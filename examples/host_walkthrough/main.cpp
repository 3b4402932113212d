// fpgeom_host_walkthrough: the first steps of a host, as the guide tells
// them. Exit status: 0 when every result is the one the guide states.
#include <iostream>

#include <fpgeom/fpgeom.h>

namespace {

int failures = 0;

void Expect(bool holds, const char* what) {
  std::cout << (holds ? "ok:   " : "FAIL: ") << what << '\n';
  failures += holds ? 0 : 1;
}

}  // namespace

int main() {
  // A polygon is a closed ring: the closing point is not repeated. With y
  // up, (0,0) (0,3) (3,3) (3,0) runs clockwise: area +9, filled.
  CFPPolygon square;
  square.AddTailNode(0, 0);
  square.AddTailNode(0, 3);
  square.AddTailNode(3, 3);
  square.AddTailNode(3, 0);
  Expect(square.Area() == 9 && square.isFilled() != 0, "a clockwise ring has positive area");

  // CFPRect takes (left, right, bottom, top); the tool's --rect is L,B,R,T.
  const CFPRect window(1, 5, 0, 2);  // fpgeom clip --rect 1,0,5,2
  Expect(window.right == 5 && window.bottom == 0, "CFPRect(left, right, bottom, top)");
  CFPPolygon clipped(square);
  clipped.IntersectRect(window);
  Expect(clipped.Area() == 4, "the square clipped to x 1..5, y 0..2 keeps 2 by 2");

  // The integer-array constructor puts each point in at the head, so the
  // ring runs in the reverse order of the array.
  const tagPOINT corners[] = {{0, 0}, {0, 3}, {3, 3}, {3, 0}};
  CFPPolygon fromArray(corners, 4);
  Expect(fromArray.getHeadNode() == CFPPoint(3, 0) && fromArray.Area() == -9,
         "an integer array comes in reversed");
  fromArray.Revert();
  Expect(fromArray.Area() == 9, "Revert restores the array's direction");

  // The trap: a polygon has one cursor, and measures walk the ring with it.
  // Calling Area() inside an iteration ends the iteration early.
  int visited = 0;
  for (square.BeginIteration(DIR_FORWARD); square.isIterationFinished() == 0;) {
    square.getNextNode();
    ++visited;
    square.Area();  // moves the cursor to the end
  }
  Expect(visited == 1, "a measure inside an iteration ends it after one point");
  // Instead, measure first (or collect the points, then measure).
  const double area = square.Area();
  visited = 0;
  for (square.BeginIteration(DIR_FORWARD); square.isIterationFinished() == 0; square.getNextNode()) ++visited;
  Expect(visited == 4 && area == 9, "measured before the iteration, all four points are visited");

  // Inside counts the boundary: points on an edge or at a vertex are in.
  Expect(square.PtInPolygon(1, 1) != 0 && square.PtInPolygon(0, 1.5) != 0 && square.PtInPolygon(3, 3) != 0 &&
             square.PtInPolygon(4, 1) == 0,
         "edges and vertices are inside");

  // A topology's lists own their vertices and edges but free them only in
  // Empty: release the edges first, then the vertices, before the lists go.
  {
    CVertexList vertices;
    CEdgeList edges;
    CVertex* a = vertices.AddVertex(CFPPoint(0, 0), &square);
    CVertex* b = vertices.AddVertex(CFPPoint(0, 3), &square);
    edges.AddEdge(a, b, &square);
    Expect(vertices.GetNearest(CFPPoint(0, 3), 0.5) == b && edges.GetNearest(CFPPoint(0, 1), 0.5) != nullptr,
           "the topology finds its vertex and its edge");
    edges.Empty();
    vertices.Empty();
  }
  return failures == 0 ? 0 : 1;
}
