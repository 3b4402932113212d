// The plot area of an SVG picture: a nested <svg> whose view box holds the
// data's bounds with a margin, drawn with y pointing up by negating y in
// every coordinate written (a flipping transform would mirror the labels).
// Lengths given in pixels are converted to data units, so strokes and marks
// keep their size whatever the data's scale.
#pragma once

#include <string>
#include <vector>

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"

namespace fpgeom::io::detail {

class SvgCanvas {
 public:
  // bounds: left, bottom, right, top of everything that will be drawn.
  SvgCanvas(const CFPRect& bounds, double widthInPixels);

  double WidthInPixels() const { return m_widthInPixels; }
  double HeightInPixels() const { return m_heightInPixels; }
  // A length of so many pixels in data units.
  double Pixels(double count) const { return count * m_unitsPerPixel; }

  // The opening tag of the nested <svg> placed at (x, y) pixels.
  std::string Open(double x, double y) const;
  std::string Ring(const std::vector<CFPPoint>& points, const std::string& style) const;
  // Rings as the subpaths of one path filled by the even-odd rule, so that
  // an outer ring's holes show as holes.
  std::string Rings(const std::vector<std::vector<CFPPoint>>& rings, const std::string& style) const;
  std::string Line(const CFPPoint& from, const CFPPoint& to, const std::string& style) const;
  std::string Circle(const CFPPoint& centre, double radiusInPixels, const std::string& style) const;
  std::string Square(const CFPPoint& centre, double sideInPixels, const std::string& style) const;
  std::string Rect(const CFPRect& rect, const std::string& style) const;
  std::string Label(const CFPPoint& at, const std::string& text, const std::string& style) const;

 private:
  std::string X(double x) const;
  std::string Y(double y) const;

  double m_left;
  double m_top;
  double m_width;
  double m_height;
  double m_widthInPixels;
  double m_heightInPixels;
  double m_unitsPerPixel;
};

// Text with &, <, > and " escaped for XML.
std::string XmlEscaped(const std::string& text);

}  // namespace fpgeom::io::detail
