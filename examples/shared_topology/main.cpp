// fpgeom_shared_topology: two parcels that share a side. Dragging a shared
// corner moves it in both; dragging the corner of the triangle onto its
// neighbour would fold the triangle flat, so the library refuses it and
// nothing changes. Exit status: 0 when both turn out as described, else 1.
#include <iostream>

#include <fpgeom/fpgeom.h>

namespace {

void Print(const char* name, const CFPPolygon& parcel) {
  std::cout << "  " << name << ":";
  for (parcel.BeginIteration(DIR_FORWARD); parcel.isIterationFinished() == 0;) {
    const CFPPoint point = parcel.getNextNode();
    std::cout << " (" << point.x << ", " << point.y << ")";
  }
  std::cout << "  area " << parcel.Area() << '\n';
}

// The lists own their vertices and edges but release them only when asked.
struct Topology {
  CVertexList vertices;
  CEdgeList edges;
  ~Topology() {
    edges.Empty();
    vertices.Empty();
  }
};

}  // namespace

int main() {
  CFPPolygon square;
  for (const CFPPoint& corner : {CFPPoint(0, 0), CFPPoint(0, 10), CFPPoint(10, 10), CFPPoint(10, 0)}) {
    square.AddTailNode(corner);
  }
  CFPPolygon triangle;
  for (const CFPPoint& corner : {CFPPoint(10, 0), CFPPoint(10, 10), CFPPoint(20, 0)}) triangle.AddTailNode(corner);

  Topology topology;
  CVertexList& vertices = topology.vertices;
  // Every corner becomes a vertex shared by the parcels that pass through
  // it, every side an edge whose ends are each other's neighbours.
  CFPPolygon* parcels[] = {&square, &triangle};
  fpgeom::LinkPolygons(parcels, 2, vertices, topology.edges);

  std::cout << "drag the shared corner (10, 10) to (12, 12):\n";
  const int moved = vertices.GetNearest(CFPPoint(10, 10), 0.5)->change(CFPPoint(12, 12));
  Print("square", square);
  Print("triangle", triangle);

  std::cout << "drag the triangle's corner (20, 0) onto (10, 0):\n";
  const int folded = vertices.GetNearest(CFPPoint(20, 0), 0.5)->change(CFPPoint(10, 0));
  std::cout << "  " << (folded ? "done" : "refused: the triangle would keep fewer than three points") << '\n';
  Print("triangle", triangle);
  return moved == 1 && folded == 0 ? 0 : 1;
}
