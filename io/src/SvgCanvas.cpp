#include "SvgCanvas.h"

#include <algorithm>
#include <cmath>

#include "fpgeom/io/NumberText.h"

namespace fpgeom::io::detail {
namespace {

// The margin around the data, and the least share of the longer side that
// the shorter one gets, so that a thin shape still has room to show.
constexpr double kMarginShare = 0.06;
constexpr double kLeastAspect = 0.25;

}  // namespace

SvgCanvas::SvgCanvas(const CFPRect& bounds, double widthInPixels) {
  double width = bounds.right - bounds.left;
  double height = bounds.top - bounds.bottom;
  const double extent = std::max({width, height, 1e-9});
  const double centreX = bounds.left + width / 2;
  const double centreY = bounds.bottom + height / 2;
  width = std::max(width, extent * kLeastAspect) + 2 * kMarginShare * extent;
  height = std::max(height, extent * kLeastAspect) + 2 * kMarginShare * extent;
  m_left = centreX - width / 2;
  m_top = centreY + height / 2;
  m_width = width;
  m_height = height;
  m_unitsPerPixel = std::max(width, height) / widthInPixels;
  m_widthInPixels = width / m_unitsPerPixel;
  m_heightInPixels = height / m_unitsPerPixel;
}

std::string SvgCanvas::X(double x) const { return NumberText(x); }
std::string SvgCanvas::Y(double y) const { return NumberText(-y); }

std::string SvgCanvas::Open(double x, double y) const {
  return "<svg x=\"" + NumberText(x) + "\" y=\"" + NumberText(y) + "\" width=\"" + NumberText(m_widthInPixels) +
         "\" height=\"" + NumberText(m_heightInPixels) + "\" viewBox=\"" + X(m_left) + " " + Y(m_top) + " " +
         NumberText(m_width) + " " + NumberText(m_height) + "\">\n";
}

std::string SvgCanvas::Ring(const std::vector<CFPPoint>& points, const std::string& style) const {
  std::string list;
  for (const CFPPoint& point : points) list += (list.empty() ? "" : " ") + X(point.x) + "," + Y(point.y);
  return "<polygon points=\"" + list + "\" " + style + "/>\n";
}

std::string SvgCanvas::Rings(const std::vector<std::vector<CFPPoint>>& rings, const std::string& style) const {
  std::string path;
  for (const std::vector<CFPPoint>& ring : rings) {
    for (std::size_t k = 0; k < ring.size(); ++k) {
      path += (k == 0 ? (path.empty() ? "M" : " M") : k == 1 ? " L" : " ") + X(ring[k].x) + "," + Y(ring[k].y);
    }
    if (!ring.empty()) path += " Z";
  }
  return "<path d=\"" + path + "\" fill-rule=\"evenodd\" " + style + "/>\n";
}

std::string SvgCanvas::Line(const CFPPoint& from, const CFPPoint& to, const std::string& style) const {
  return "<line x1=\"" + X(from.x) + "\" y1=\"" + Y(from.y) + "\" x2=\"" + X(to.x) + "\" y2=\"" + Y(to.y) + "\" " +
         style + "/>\n";
}

std::string SvgCanvas::Circle(const CFPPoint& centre, double radiusInPixels, const std::string& style) const {
  return "<circle cx=\"" + X(centre.x) + "\" cy=\"" + Y(centre.y) + "\" r=\"" + NumberText(Pixels(radiusInPixels)) +
         "\" " + style + "/>\n";
}

std::string SvgCanvas::Square(const CFPPoint& centre, double sideInPixels, const std::string& style) const {
  const double half = Pixels(sideInPixels) / 2;
  return "<rect x=\"" + X(centre.x - half) + "\" y=\"" + Y(centre.y + half) + "\" width=\"" + NumberText(2 * half) +
         "\" height=\"" + NumberText(2 * half) + "\" " + style + "/>\n";
}

// SVG refuses negative sizes, so an inverted rectangle is drawn by its corners.
std::string SvgCanvas::Rect(const CFPRect& rect, const std::string& style) const {
  const double left = std::min(rect.left, rect.right);
  const double top = std::max(rect.bottom, rect.top);
  return "<rect x=\"" + X(left) + "\" y=\"" + Y(top) + "\" width=\"" + NumberText(std::fabs(rect.right - rect.left)) +
         "\" height=\"" + NumberText(std::fabs(rect.top - rect.bottom)) + "\" " + style + "/>\n";
}

std::string SvgCanvas::Label(const CFPPoint& at, const std::string& text, const std::string& style) const {
  return "<text x=\"" + X(at.x) + "\" y=\"" + Y(at.y) + "\" font-size=\"" + NumberText(Pixels(13)) + "\" " + style +
         ">" + XmlEscaped(text) + "</text>\n";
}

std::string XmlEscaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace fpgeom::io::detail
