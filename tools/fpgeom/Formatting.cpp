#include "Formatting.h"

#include "fpgeom/io/NumberText.h"

namespace fpgeom::tool {

std::string Number(double value) { return io::NumberText(value); }

std::string PointText(const CFPPoint& point) { return "(" + Number(point.x) + ", " + Number(point.y) + ")"; }

std::string RectText(const CFPRect& rect) {
  return PointText(CFPPoint(rect.left, rect.bottom)) + " to " + PointText(CFPPoint(rect.right, rect.top));
}

std::string IndexList(const std::vector<int>& indices) {
  if (indices.empty()) return "none";
  std::string text;
  for (const int index : indices) text += (text.empty() ? "" : ", ") + std::to_string(index);
  return text;
}

std::string Indented(const std::string& text) {
  std::string indented = "  ";
  for (const char c : text) indented += c == '\n' ? std::string("\n  ") : std::string(1, c);
  return indented;
}

nlohmann::json PointJson(const CFPPoint& point) { return nlohmann::json::array({point.x, point.y}); }

nlohmann::json RectJson(const CFPRect& rect) {
  return {{"left", rect.left}, {"bottom", rect.bottom}, {"right", rect.right}, {"top", rect.top}};
}

}  // namespace fpgeom::tool
