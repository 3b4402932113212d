#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <boost/geometry/io/wkt/read.hpp>

#include "WktModel.h"
#include "fpgeom/io/IoErrors.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::io {
namespace {

using detail::WktMultiPoint;
using detail::WktMultiPolygon;
using detail::WktPoint;
using detail::WktPolygon;

struct GeometryText {
  std::size_t offset;
  std::string keyword;
  std::string text;
};

std::string Uppercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

// Words that may follow a geometry's type name at nesting depth 0.
bool IsTypeModifier(const std::string& word) { return word == "EMPTY" || word == "Z" || word == "M" || word == "ZM"; }

// A document may hold several geometries one after the other: a new one
// begins at each word at nesting depth 0 that is not a modifier. The
// reader's tokenizer splits on spaces alone, so other blanks become spaces
// (one for one, which keeps offsets valid).
std::vector<GeometryText> SplitGeometries(const std::string& document) {
  std::vector<GeometryText> geometries;
  int depth = 0;
  for (std::size_t at = 0; at < document.size();) {
    const char c = document[at];
    if (depth == 0 && std::isalpha(static_cast<unsigned char>(c))) {
      std::size_t end = at;
      while (end < document.size() && std::isalnum(static_cast<unsigned char>(document[end]))) ++end;
      const std::string word = Uppercase(document.substr(at, end - at));
      if (geometries.empty() || !IsTypeModifier(word)) geometries.push_back({at, word, {}});
      geometries.back().text += document.substr(at, end - at);
      at = end;
      continue;
    }
    if (c == '(') ++depth;
    if (c == ')') --depth;
    const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
    if (!geometries.empty()) geometries.back().text += blank ? ' ' : c;
    else if (!blank) geometries.push_back({at, std::string(1, c), std::string(1, c)});
    ++at;
  }
  return geometries;
}

// The parser's message without the copy of the input it appends, and with
// its complaint about a number put in the reader's words.
std::string ParserComplaint(const std::string& what) {
  std::string message = what;
  for (const char* copyOfInput : {"' in (", " in '"}) {
    const auto at = message.find(copyOfInput);
    if (at != std::string::npos) {
      message.erase(at + (copyOfInput[0] == '\'' ? 1 : 0));
      break;
    }
  }
  const std::string badNumber = "bad lexical cast";
  if (message.compare(0, badNumber.size(), badNumber) == 0) {
    const auto at = message.find(" at '");
    message = "expected a number" + (at == std::string::npos ? std::string() : message.substr(at));
  }
  return message;
}

bool SamePoint(const WktPoint& a, const WktPoint& b) { return a.x() == b.x() && a.y() == b.y(); }

template <class Ring>
std::unique_ptr<CFPPolygon> PolygonOfRing(const Ring& ring) {
  auto polygon = std::make_unique<CFPPolygon>();
  auto end = ring.end();
  if (ring.size() >= 2 && SamePoint(ring.front(), ring.back())) --end;
  for (auto point = ring.begin(); point != end; ++point) polygon->AddTailNode(point->x(), point->y());
  return polygon;
}

// POLYGON EMPTY holds no ring at all.
void AddRings(const WktPolygon& polygon, Document& document) {
  if (polygon.outer().empty() && polygon.inners().empty()) return;
  document.rings.AddPolygon(PolygonOfRing(polygon.outer()).release());
  for (const auto& inner : polygon.inners()) document.rings.AddPolygon(PolygonOfRing(inner).release());
}

class GeometryReader {
 public:
  GeometryReader(const std::string& document, const std::string& source) : m_document(document), m_source(source) {}

  void Read(const GeometryText& geometry, Document& result) const {
    try {
      ReadKnownType(geometry, result);
    } catch (const boost::geometry::read_wkt_exception& error) {
      Fail(geometry, ParserComplaint(error.what()));
    }
  }

 private:
  void ReadKnownType(const GeometryText& geometry, Document& result) const {
    if (geometry.keyword == "POLYGON") {
      WktPolygon polygon;
      boost::geometry::read_wkt(geometry.text, polygon);
      CheckFinite(geometry, polygon.outer());
      for (const auto& inner : polygon.inners()) CheckFinite(geometry, inner);
      AddRings(polygon, result);
    } else if (geometry.keyword == "MULTIPOLYGON") {
      WktMultiPolygon polygons;
      boost::geometry::read_wkt(geometry.text, polygons);
      for (const WktPolygon& polygon : polygons) {
        CheckFinite(geometry, polygon.outer());
        for (const auto& inner : polygon.inners()) CheckFinite(geometry, inner);
      }
      for (const WktPolygon& polygon : polygons) AddRings(polygon, result);
    } else if (geometry.keyword == "POINT") {
      WktPoint point;
      boost::geometry::read_wkt(geometry.text, point);
      CheckFinite(geometry, std::vector<WktPoint>{point});
      result.points.emplace_back(point.x(), point.y());
    } else if (geometry.keyword == "MULTIPOINT") {
      WktMultiPoint points;
      boost::geometry::read_wkt(geometry.text, points);
      CheckFinite(geometry, points);
      for (const WktPoint& point : points) result.points.emplace_back(point.x(), point.y());
    } else {
      Fail(geometry, "expected POLYGON, MULTIPOLYGON, POINT or MULTIPOINT, found '" + geometry.keyword + "'");
    }
  }

  template <class Points>
  void CheckFinite(const GeometryText& geometry, const Points& points) const {
    for (const WktPoint& point : points) {
      if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
        Fail(geometry, "expected finite coordinates in the " + geometry.keyword);
      }
    }
  }

  [[noreturn]] void Fail(const GeometryText& geometry, const std::string& message) const {
    throw ReadError(m_source, LineAndColumn(m_document, geometry.offset), message);
  }

  const std::string& m_document;
  const std::string& m_source;
};

}  // namespace

Document ReadWkt(const std::string& text, const std::string& source) {
  const std::vector<GeometryText> geometries = SplitGeometries(text);
  if (geometries.empty()) throw ReadError(source, "", "expected a WKT geometry, found no text");
  const GeometryReader reader(text, source);
  Document document;
  for (const GeometryText& geometry : geometries) reader.Read(geometry, document);
  return document;
}

}  // namespace fpgeom::io
