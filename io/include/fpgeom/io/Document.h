// Document: what a geometry file holds for fpgeom's tools, the rings of a
// region (each ring one polygon of the region, outer rings and holes alike)
// and a set of loose points. Formats name the three encodings a document is read from
// and written to.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fpgeom/polygon/FPPolygon.h"
#include "fpgeom/region/FPPolyRgn.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::io {

struct Document {
  CFPPolyRgn rings;
  std::vector<CFPPoint> points;
  // What reading left out (coordinates beyond x and y), one sentence each
  // naming the source, for the user to be told.
  std::vector<std::string> notes;
};

enum class Format { Wkt, GeoJson, Archive };

// "wkt", "geojson" or "archive" (also "json", "fpgeom"); nullopt otherwise.
std::optional<Format> FormatFromName(const std::string& name);
// By the file's extension: .wkt, .json/.geojson, .fpgeom; nullopt otherwise.
std::optional<Format> FormatFromExtension(const std::string& path);
// By the content: a NUL byte means an archive (its counts are small
// little-endian words), a leading '{' or '[' GeoJSON, anything else WKT.
Format FormatFromContent(const std::string& bytes);
const char* FormatName(Format format);

// Copies of the rings, head first, each with its cursor at the end.
std::vector<CFPPolygon> RingsOf(const CFPPolyRgn& region);
// The points of one ring from the head to the tail.
std::vector<CFPPoint> PointsOf(const CFPPolygon& ring);
// True when both rings, or both regions' rings, hold bit-identical points.
bool SameRing(const CFPPolygon& a, const CFPPolygon& b);
bool SameRings(const CFPPolyRgn& a, const CFPPolyRgn& b);

// The rings read as polygons with holes: a ring of non-negative area is an
// outer ring and starts a polygon, each following ring of negative area is a
// hole of it. Per ring, the index of its outer ring (its own for an outer
// ring), or kNoOuterRing for a ring without points and for a ring of negative
// area that no outer ring precedes.
constexpr int kNoOuterRing = -1;
std::vector<int> OuterRingsOf(const std::vector<CFPPolygon>& rings);
std::vector<int> OuterRingsOf(const CFPPolyRgn& region);

}  // namespace fpgeom::io
