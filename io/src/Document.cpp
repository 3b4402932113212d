#include "fpgeom/io/Document.h"

#include "PolygonRoles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <vector>

namespace fpgeom::io {
namespace {

std::string Lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool SamePoint(const CFPPoint& a, const CFPPoint& b) { return a.x == b.x && a.y == b.y; }

}  // namespace

std::optional<Format> FormatFromName(const std::string& name) {
  const std::string key = Lowercase(name);
  if (key == "wkt") return Format::Wkt;
  if (key == "geojson" || key == "json") return Format::GeoJson;
  if (key == "archive" || key == "fpgeom") return Format::Archive;
  return std::nullopt;
}

std::optional<Format> FormatFromExtension(const std::string& path) {
  const std::string extension = Lowercase(std::filesystem::path(path).extension().string());
  if (extension == ".geojson") return Format::GeoJson;
  if (extension.empty()) return std::nullopt;
  return FormatFromName(extension.substr(1));
}

Format FormatFromContent(const std::string& bytes) {
  if (bytes.find('\0') != std::string::npos) return Format::Archive;
  const auto first = bytes.find_first_not_of(" \t\r\n");
  if (first != std::string::npos && (bytes[first] == '{' || bytes[first] == '[')) return Format::GeoJson;
  return Format::Wkt;
}

const char* FormatName(Format format) {
  switch (format) {
    case Format::Wkt: return "wkt";
    case Format::GeoJson: return "geojson";
    case Format::Archive: return "archive";
  }
  return "unknown";
}

std::vector<CFPPolygon> RingsOf(const CFPPolyRgn& region) {
  std::vector<CFPPolygon> rings;
  rings.reserve(static_cast<std::size_t>(region.getCount()));
  for (region.BeginIteration(); region.isIterationFinished() == 0;) rings.emplace_back(*region.getNextPolygon());
  return rings;
}

std::vector<CFPPoint> PointsOf(const CFPPolygon& ring) {
  std::vector<CFPPoint> points;
  points.reserve(static_cast<std::size_t>(ring.getCount()));
  for (ring.BeginIteration(DIR_FORWARD); ring.isIterationFinished() == 0;) points.push_back(ring.getNextNode());
  return points;
}

bool SameRing(const CFPPolygon& a, const CFPPolygon& b) {
  const std::vector<CFPPoint> pointsA = PointsOf(a);
  const std::vector<CFPPoint> pointsB = PointsOf(b);
  return std::equal(pointsA.begin(), pointsA.end(), pointsB.begin(), pointsB.end(), SamePoint);
}

bool SameRings(const CFPPolyRgn& a, const CFPPolyRgn& b) {
  const std::vector<CFPPolygon> ringsA = RingsOf(a);
  const std::vector<CFPPolygon> ringsB = RingsOf(b);
  return std::equal(ringsA.begin(), ringsA.end(), ringsB.begin(), ringsB.end(), SameRing);
}

std::vector<int> OuterRingsOf(const std::vector<CFPPolygon>& rings) {
  std::vector<int> outer;
  int current = kNoOuterRing;
  for (const CFPPolygon& ring : rings) {
    const int index = static_cast<int>(outer.size());
    if (ring.getCount() == 0) {
      outer.push_back(kNoOuterRing);
    } else {
      if (ring.Area() >= 0) current = index;
      outer.push_back(current);
    }
  }
  return outer;
}

std::vector<int> OuterRingsOf(const CFPPolyRgn& region) { return OuterRingsOf(RingsOf(region)); }

namespace detail {

void AddPolygonByRole(std::vector<std::unique_ptr<CFPPolygon>> rings, CFPPolyRgn& region) {
  for (std::size_t k = 0; k < rings.size(); ++k) {
    if (k == 0 ? rings[k]->Area() < 0 : rings[k]->Area() > 0) rings[k]->Revert();
    region.AddPolygon(rings[k].release());
  }
}

}  // namespace detail

}  // namespace fpgeom::io
