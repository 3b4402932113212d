#include <algorithm>
#include <string>
#include <vector>

#include "SvgCanvas.h"
#include "fpgeom/io/Document.h"
#include "fpgeom/io/NumberText.h"
#include "fpgeom/io/Svg.h"

namespace fpgeom::io {
namespace {

using detail::SvgCanvas;
using detail::XmlEscaped;

constexpr double kPlotWidth = 760;
constexpr double kLeastPictureWidth = 460;
constexpr double kTitleHeight = 34;
constexpr double kLegendRowHeight = 22;

const char* const kFilledStyle = "fill=\"#8ecae6\" fill-opacity=\"0.6\" stroke=\"#1d3557\"";
const char* const kNegativeStyle = "fill=\"#f4a261\" fill-opacity=\"0.5\" stroke=\"#9c4a00\"";
const char* const kClipColour = "#d62828";
const char* const kSharedEdgeColour = "#7b2cbf";
const char* const kInsideColour = "#2a9d8f";
const char* const kOutsideColour = "#e63946";
// Loops cycle through colours that differ from the rings' and from each other.
const char* const kLoopColours[] = {"#ff006e", "#3a86ff", "#fb8500", "#06d6a0", "#8338ec", "#ffbe0b"};

const char* LoopColour(std::size_t index) { return kLoopColours[index % std::size(kLoopColours)]; }

void Include(CFPRect& bounds, bool& any, const CFPPoint& point) {
  if (!any) {
    bounds = CFPRect(point.x, point.x, point.y, point.y);
    any = true;
    return;
  }
  bounds.left = std::min(bounds.left, point.x);
  bounds.right = std::max(bounds.right, point.x);
  bounds.bottom = std::min(bounds.bottom, point.y);
  bounds.top = std::max(bounds.top, point.y);
}

CFPRect BoundsOf(const SvgScene& scene) {
  CFPRect bounds(0.0, 1.0, 0.0, 1.0);
  bool any = false;
  for (const auto* polygons : {&scene.rings, &scene.loops}) {
    for (const CFPPolygon& polygon : *polygons) {
      for (const CFPPoint& point : PointsOf(polygon)) Include(bounds, any, point);
    }
  }
  if (scene.clipRect) {
    Include(bounds, any, CFPPoint(scene.clipRect->left, scene.clipRect->bottom));
    Include(bounds, any, CFPPoint(scene.clipRect->right, scene.clipRect->top));
  }
  for (const SvgProbe& probe : scene.probes) Include(bounds, any, probe.point);
  for (const CFPPoint& vertex : scene.sharedVertices) Include(bounds, any, vertex);
  return bounds;
}

std::string Stroke(const SvgCanvas& canvas, const std::string& colour, double pixels) {
  return "stroke=\"" + colour + "\" stroke-width=\"" + NumberText(canvas.Pixels(pixels)) + "\"";
}

struct LegendEntry {
  std::string swatch;  // an element drawn in a 16 by 16 pixel box at the origin
  std::string label;
};

class SceneDrawer {
 public:
  SceneDrawer(const SvgScene& scene, const SvgCanvas& canvas) : m_scene(scene), m_canvas(canvas) {}

  // Layer by layer, bottom first; the legend follows the same order.
  std::string Plot() {
    std::string svg = Rings();
    svg += Loops();
    svg += ClipRect();
    svg += SharedEdges();
    svg += SharedVertices();
    svg += Probes();
    svg += RingLabels();
    return svg;
  }
  const std::vector<LegendEntry>& Legend() const { return m_legend; }

 private:
  // Each outer ring with its holes as one shape; a ring of negative area
  // that no outer ring holds on its own, dashed.
  std::string Rings() {
    std::string svg;
    const std::vector<int> outer = OuterRingsOf(m_scene.rings);
    std::vector<std::vector<std::vector<CFPPoint>>> shapes;
    int holes = 0;
    int negative = 0;
    const std::string width = " stroke-width=\"" + NumberText(m_canvas.Pixels(1.5)) + "\"";
    for (std::size_t k = 0; k < m_scene.rings.size(); ++k) {
      const std::vector<CFPPoint> points = PointsOf(m_scene.rings[k]);
      if (points.empty()) continue;
      if (outer[k] == kNoOuterRing) {
        ++negative;
        svg += m_canvas.Ring(points, kNegativeStyle + width + " stroke-dasharray=\"" +
                                         NumberText(m_canvas.Pixels(6)) + "\"");
        continue;
      }
      if (outer[k] == static_cast<int>(k)) shapes.emplace_back();
      else ++holes;
      shapes.back().push_back(points);
    }
    for (const auto& shape : shapes) svg += m_canvas.Rings(shape, kFilledStyle + width);
    const int filled = static_cast<int>(shapes.size());
    if (filled > 0) Add(Box(kFilledStyle), "filled ring, area >= 0 (" + std::to_string(filled) + ")");
    if (holes > 0) Add(Box("fill=\"#ffffff\" stroke=\"#1d3557\""), "hole (" + std::to_string(holes) + ")");
    if (negative > 0) Add(Box(kNegativeStyle), "ring of negative area, no outer ring (" + std::to_string(negative) + ")");
    return svg;
  }

  std::string Loops() {
    std::string svg;
    for (std::size_t i = 0; i < m_scene.loops.size(); ++i) {
      const std::string colour = LoopColour(i);
      svg += m_canvas.Ring(PointsOf(m_scene.loops[i]),
                           "fill=\"" + colour + "\" fill-opacity=\"0.25\" " + Stroke(m_canvas, colour, 3));
      Add(Box("fill=\"" + colour + "\" fill-opacity=\"0.4\" stroke=\"" + colour + "\" stroke-width=\"2\""),
          "breakdown loop " + std::to_string(i) + ", area " + NumberText(m_scene.loops[i].Area()));
    }
    return svg;
  }

  std::string ClipRect() {
    if (!m_scene.clipRect) return "";
    const std::string dash = " stroke-dasharray=\"" + NumberText(m_canvas.Pixels(8)) + "\"";
    const CFPRect& rect = *m_scene.clipRect;
    Add("<rect x=\"1\" y=\"1\" width=\"14\" height=\"14\" fill=\"none\" stroke=\"" + std::string(kClipColour) +
            "\" stroke-width=\"2\" stroke-dasharray=\"4\"/>",
        "clipping rectangle " + NumberText(rect.left) + "," + NumberText(rect.bottom) + " to " +
            NumberText(rect.right) + "," + NumberText(rect.top));
    return m_canvas.Rect(rect, "fill=\"none\" " + Stroke(m_canvas, kClipColour, 2) + dash);
  }

  std::string SharedEdges() {
    std::string svg;
    for (const CFPSegment& edge : m_scene.sharedEdges) {
      svg += m_canvas.Line(edge.pt1, edge.pt2, Stroke(m_canvas, kSharedEdgeColour, 4) + " stroke-linecap=\"round\"");
    }
    if (!m_scene.sharedEdges.empty()) {
      Add("<line x1=\"1\" y1=\"8\" x2=\"15\" y2=\"8\" stroke=\"" + std::string(kSharedEdgeColour) +
              "\" stroke-width=\"4\"/>",
          "shared edge (" + std::to_string(m_scene.sharedEdges.size()) + ")");
    }
    return svg;
  }

  std::string SharedVertices() {
    std::string svg;
    const std::string style = "fill=\"#000000\" " + Stroke(m_canvas, "#ffffff", 1);
    for (const CFPPoint& vertex : m_scene.sharedVertices) svg += m_canvas.Square(vertex, 9, style);
    if (!m_scene.sharedVertices.empty()) {
      Add("<rect x=\"3\" y=\"3\" width=\"10\" height=\"10\" fill=\"#000000\"/>",
          "shared vertex (" + std::to_string(m_scene.sharedVertices.size()) + ")");
    }
    return svg;
  }

  std::string Probes() {
    std::string svg;
    int inside = 0;
    for (const SvgProbe& probe : m_scene.probes) {
      inside += probe.inside ? 1 : 0;
      const std::string colour = probe.inside ? kInsideColour : kOutsideColour;
      svg += m_canvas.Circle(probe.point, 5, "fill=\"" + colour + "\" " + Stroke(m_canvas, "#000000", 1));
    }
    const int outside = static_cast<int>(m_scene.probes.size()) - inside;
    if (inside > 0) Add(Dot(kInsideColour), "probe point inside (" + std::to_string(inside) + ")");
    if (outside > 0) Add(Dot(kOutsideColour), "probe point outside (" + std::to_string(outside) + ")");
    return svg;
  }

  // Each ring's index at its mass centre (its head when it has none), so
  // that the picture can be read beside a report.
  std::string RingLabels() const {
    std::string svg;
    for (std::size_t i = 0; i < m_scene.rings.size(); ++i) {
      const CFPPolygon& ring = m_scene.rings[i];
      if (ring.isEmpty() != 0) continue;
      CFPPoint centre;
      if (ring.getMassCenter(centre) == 0) centre = ring.getHeadNode();
      centre.y += m_canvas.Pixels(12);  // above a probe that may sit at the centre
      svg += m_canvas.Label(centre, std::to_string(i),
                            "text-anchor=\"middle\" font-family=\"sans-serif\" fill=\"#1d3557\"");
    }
    return svg;
  }

  static std::string Box(const std::string& style) {
    return "<rect x=\"1\" y=\"1\" width=\"14\" height=\"14\" " + style + "/>";
  }
  static std::string Dot(const std::string& colour) {
    return "<circle cx=\"8\" cy=\"8\" r=\"5\" fill=\"" + colour + "\" stroke=\"#000000\"/>";
  }
  void Add(const std::string& swatch, const std::string& label) { m_legend.push_back({swatch, label}); }

  const SvgScene& m_scene;
  const SvgCanvas& m_canvas;
  std::vector<LegendEntry> m_legend;
};

std::string LegendRows(const std::vector<LegendEntry>& legend, double top) {
  std::string svg;
  for (std::size_t i = 0; i < legend.size(); ++i) {
    const std::string y = NumberText(top + static_cast<double>(i) * kLegendRowHeight);
    svg += "<g transform=\"translate(12," + y + ")\">" + legend[i].swatch +
           "<text x=\"24\" y=\"13\" font-size=\"13\" font-family=\"sans-serif\">" + XmlEscaped(legend[i].label) +
           "</text></g>\n";
  }
  return svg;
}

}  // namespace

std::string WriteSvg(const SvgScene& scene) {
  const SvgCanvas canvas(BoundsOf(scene), kPlotWidth);
  SceneDrawer drawer(scene, canvas);
  const std::string plot = drawer.Plot();
  const double width = std::max(canvas.WidthInPixels(), kLeastPictureWidth);
  const double plotLeft = (width - canvas.WidthInPixels()) / 2;
  const double legendTop = kTitleHeight + canvas.HeightInPixels() + 10;
  const double height = legendTop + static_cast<double>(drawer.Legend().size()) * kLegendRowHeight + 10;
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + NumberText(width) + "\" height=\"" +
         NumberText(height) + "\" viewBox=\"0 0 " + NumberText(width) + " " + NumberText(height) + "\">\n" +
         "<title>" + XmlEscaped(scene.title) + "</title>\n" +
         "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n" +
         "<text x=\"12\" y=\"22\" font-size=\"16\" font-family=\"sans-serif\" font-weight=\"bold\">" +
         XmlEscaped(scene.title) + "</text>\n" + "<rect x=\"" + NumberText(plotLeft) + "\" y=\"" +
         NumberText(kTitleHeight) + "\" width=\"" + NumberText(canvas.WidthInPixels()) + "\" height=\"" +
         NumberText(canvas.HeightInPixels()) + "\" fill=\"#f8f9fa\"/>\n" + canvas.Open(plotLeft, kTitleHeight) +
         plot + "</svg>\n" +
         LegendRows(drawer.Legend(), legendTop) + "</svg>\n";
}

}  // namespace fpgeom::io
