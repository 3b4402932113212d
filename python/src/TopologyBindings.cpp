#include <memory>
#include <vector>

#include "Arrays.h"
#include "Bindings.h"
#include "TopologyMap.h"
#include "fpgeom/io/Document.h"
#include "fpgeom/topology/Edge.h"
#include "fpgeom/topology/Vertex.h"

namespace fpgeom::python {
namespace {

namespace py = pybind11;
using py::arg;

// A map's rings, owned here, with the shared topology linked to them. The
// library's lists hold pointers to the rings, so the rings stay at one
// address and outlive the map (members are destroyed in reverse order).
class Topology {
 public:
  explicit Topology(const CFPPolyRgn& rings) : m_rings(std::make_unique<CFPPolyRgn>(rings)) { Relink(); }

  const CFPPolyRgn& Rings() const { return *m_rings; }
  const tool::TopologyMap& Map() const { return *m_map; }

  bool MoveVertex(const CFPPoint& near, const CFPPoint& to, double tolerance) {
    CVertex* vertex = m_map->VertexNear(near, tolerance);
    if (vertex == nullptr) throw py::key_error("no vertex lies within the tolerance of the point");
    return Edited(vertex->change(to));
  }

  bool BendEdge(const CFPPoint& near, const CFPPoint& through, double tolerance) {
    CEdge* edge = m_map->EdgeNear(near, tolerance);
    if (edge == nullptr) throw py::key_error("no edge lies within the tolerance of the point");
    return Edited(edge->change(through));
  }

 private:
  // An accepted edit can add or clean away ring points that the linked
  // vertices and edges do not know of; linking again keeps every later
  // look-up true to the rings.
  bool Edited(int accepted) {
    if (accepted != 0) Relink();
    return accepted != 0;
  }

  void Relink() {
    m_map.reset();
    m_map = std::make_unique<tool::TopologyMap>(*m_rings);
  }

  std::unique_ptr<CFPPolyRgn> m_rings;
  std::unique_ptr<tool::TopologyMap> m_map;
};

py::list EdgesOf(const std::vector<CFPSegment>& edges) {
  py::list list;
  for (const CFPSegment& edge : edges) list.append(py::make_tuple(PairOf(edge.pt1), PairOf(edge.pt2)));
  return list;
}

}  // namespace

void BindTopology(py::module_& module) {
  py::class_<Topology>(module, "Topology",
                       "The shared topology of a map of adjacent polygons: one vertex per position that\n"
                       "rings pass through, one edge per pair of consecutive positions. Moving a vertex\n"
                       "or bending an edge edits every polygon that shares it, or none: an edit that\n"
                       "would leave a polygon with fewer than three points is refused. The topology\n"
                       "keeps its own copies of the polygons.")
      .def(py::init([](const py::iterable& polygons) { return Topology(RegionOf(polygons)); }), arg("polygons"),
           "Topology(polygons): from Polygons or anything Polygon() accepts.")
      .def_property_readonly(
          "polygons", [](const Topology& topology) { return py::cast(io::RingsOf(topology.Rings())); },
          "Copies of the polygons as they are now, in the order given.")
      .def_property_readonly(
          "region", [](const Topology& topology) { return topology.Rings(); }, "A copy of the polygons as a Region.")
      .def_property_readonly(
          "vertex_count", [](const Topology& topology) { return topology.Map().VertexCount(); })
      .def_property_readonly(
          "edge_count", [](const Topology& topology) { return topology.Map().EdgeCount(); })
      .def_property_readonly(
          "shared_vertices", [](const Topology& topology) { return ArrayOf(topology.Map().SharedVertices()); },
          "The positions that two or more polygons pass through, as an N x 2 array.")
      .def_property_readonly(
          "shared_edges", [](const Topology& topology) { return EdgesOf(topology.Map().SharedEdges()); },
          "The sides that two or more polygons share, as ((x1, y1), (x2, y2)) pairs.")
      .def(
          "move_vertex",
          [](Topology& topology, const py::object& near, const py::object& to, double tolerance) {
            return topology.MoveVertex(PointFromPair(near, "near"), PointFromPair(to, "to"), tolerance);
          },
          arg("near"), arg("to"), arg("tolerance") = 1e-6,
          "Moves the first vertex strictly within tolerance of near to the point to, in every\n"
          "polygon that passes through it. True when done; False when refused, nothing changed.\n"
          "KeyError when no vertex lies within tolerance.")
      .def(
          "bend_edge",
          [](Topology& topology, const py::object& near, const py::object& through, double tolerance) {
            return topology.BendEdge(PointFromPair(near, "near"), PointFromPair(through, "through"), tolerance);
          },
          arg("near"), arg("through"), arg("tolerance") = 1e-6,
          "Inserts the point through into the first edge strictly within tolerance of near, in\n"
          "every polygon that shares it. True when done; False when refused, nothing changed.\n"
          "KeyError when no edge lies within tolerance.");
}

}  // namespace fpgeom::python
