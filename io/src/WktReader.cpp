#include <algorithm>
#include <cctype>
#include <charconv>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "PolygonRoles.h"
#include "fpgeom/io/IoErrors.h"
#include "fpgeom/io/Wkt.h"

namespace fpgeom::io {
namespace {

struct Token {
  enum Kind { Word, Number, Open, Close, Comma, End };
  Kind kind;
  std::size_t offset;
  std::string text;
};

// Words and numbers run up to a blank, a parenthesis or a comma.
std::vector<Token> Tokenize(const std::string& text) {
  std::vector<Token> tokens;
  for (std::size_t at = 0; at < text.size();) {
    const char c = text[at];
    if (std::isspace(static_cast<unsigned char>(c)) != 0) {
      ++at;
    } else if (c == '(' || c == ')' || c == ',') {
      tokens.push_back({c == '(' ? Token::Open : c == ')' ? Token::Close : Token::Comma, at, std::string(1, c)});
      ++at;
    } else {
      std::size_t end = at;
      while (end < text.size() && std::isspace(static_cast<unsigned char>(text[end])) == 0 &&
             std::string_view("(),").find(text[end]) == std::string_view::npos) {
        ++end;
      }
      const bool word = std::isalpha(static_cast<unsigned char>(c)) != 0;
      tokens.push_back({word ? Token::Word : Token::Number, at, text.substr(at, end - at)});
      at = end;
    }
  }
  tokens.push_back({Token::End, text.size(), ""});
  return tokens;
}

std::string Uppercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

std::string Shown(const Token& token) {
  return token.kind == Token::End ? "the end of the text" : "'" + token.text + "'";
}

bool SamePoint(const CFPPoint& a, const CFPPoint& b) { return a.x == b.x && a.y == b.y; }

using Points = std::vector<CFPPoint>;

// A ring's repeated closing point is dropped; a ring not closed in the text
// is kept whole, since fpgeom closes every ring anyway.
std::unique_ptr<CFPPolygon> PolygonOfRing(const Points& ring) {
  auto polygon = std::make_unique<CFPPolygon>();
  auto end = ring.end();
  if (ring.size() >= 2 && SamePoint(ring.front(), ring.back())) --end;
  for (auto point = ring.begin(); point != end; ++point) polygon->AddTailNode(*point);
  return polygon;
}


// What a coordinate holds beyond x and y: nothing, Z, M or both.
enum class Extra { None, Z, M, ZM };

// Reads the token stream by recursive descent; every complaint names the
// line and column of the token that is not what the grammar allows there.
class WktParser {
 public:
  WktParser(const std::string& text, const std::string& source, Document& document)
      : m_text(text), m_source(source), m_tokens(Tokenize(text)), m_document(document) {}

  void ReadDocument() {
    if (Peek().kind == Token::End) throw ReadError(m_source, "", "expected a WKT geometry, found no text");
    while (Peek().kind != Token::End) ReadGeometry(0);
    if (m_droppedZ || m_droppedM) {
      const std::string dropped = m_droppedZ && m_droppedM ? "Z and M" : m_droppedZ ? "Z" : "M";
      m_document.notes.push_back(m_source + ": dropped the " + dropped + " coordinates; fpgeom keeps x and y");
    }
  }

 private:
  // Collections may nest; this bounds the recursion on hostile input.
  static constexpr int kMaxDepth = 64;

  void ReadGeometry(int depth) {
    const Token& type = Take();
    const std::string keyword = Uppercase(type.text);
    if (type.kind != Token::Word || !IsGeometryType(keyword)) {
      Fail(type, "expected a geometry type (POINT, LINESTRING, POLYGON, MULTIPOINT, MULTILINESTRING, "
                 "MULTIPOLYGON or GEOMETRYCOLLECTION), found " + Shown(type));
    }
    m_extra = ReadExtra();
    if (TakeWord("EMPTY")) return;
    if (keyword == "POINT") {
      Expect(Token::Open, "'('");
      m_document.points.push_back(ReadPosition());
      Expect(Token::Close, "')'");
    } else if (keyword == "LINESTRING") {
      ReadClosedLine();
    } else if (keyword == "POLYGON") {
      ReadPolygon();
    } else if (keyword == "MULTIPOINT") {
      ReadList([this] { ReadMultiPointMember(); });
    } else if (keyword == "MULTILINESTRING") {
      ReadList([this] { ReadClosedLine(); });
    } else if (keyword == "MULTIPOLYGON") {
      ReadList([this] { ReadPolygon(); });
    } else if (depth >= kMaxDepth) {
      Fail(type, "expected at most " + std::to_string(kMaxDepth) + " nested GEOMETRYCOLLECTIONs");
    } else {
      const Extra outer = m_extra;
      ReadList([this, depth] { ReadGeometry(depth + 1); });
      m_extra = outer;
    }
  }

  static bool IsGeometryType(const std::string& keyword) {
    for (const char* name : {"POINT", "LINESTRING", "POLYGON", "MULTIPOINT", "MULTILINESTRING", "MULTIPOLYGON",
                             "GEOMETRYCOLLECTION"}) {
      if (keyword == name) return true;
    }
    return false;
  }

  Extra ReadExtra() {
    if (TakeWord("Z")) return Extra::Z;
    if (TakeWord("M")) return Extra::M;
    if (TakeWord("ZM")) return Extra::ZM;
    return Extra::None;
  }

  // '(' item {',' item} ')', where an item may also be EMPTY.
  template <class Item>
  void ReadList(Item item) {
    Expect(Token::Open, "'('");
    do {
      if (!TakeWord("EMPTY")) item();
    } while (TakeIf(Token::Comma));
    Expect(Token::Close, "',' or ')'");
  }

  void ReadMultiPointMember() {
    if (TakeIf(Token::Open)) {
      m_document.points.push_back(ReadPosition());
      Expect(Token::Close, "')'");
    } else {
      m_document.points.push_back(ReadPosition());
    }
  }

  Points ReadPointList() {
    Points points;
    Expect(Token::Open, "'('");
    do {
      points.push_back(ReadPosition());
    } while (TakeIf(Token::Comma));
    Expect(Token::Close, "',' or ')'");
    return points;
  }

  // A map holds rings, so a line counts only when it closes on itself. A
  // line has no role, so it keeps its direction.
  void ReadClosedLine() {
    const Token& start = Peek();
    const Points line = ReadPointList();
    if (line.size() < 2 || !SamePoint(line.front(), line.back())) {
      Fail(start, "expected a closed LINESTRING (its last point repeating its first) to read as a ring");
    }
    m_document.rings.AddPolygon(PolygonOfRing(line).release());
  }

  void ReadPolygon() {
    std::vector<std::unique_ptr<CFPPolygon>> rings;
    Expect(Token::Open, "'('");
    do {
      rings.push_back(PolygonOfRing(ReadPointList()));
    } while (TakeIf(Token::Comma));
    Expect(Token::Close, "',' or ')'");
    detail::AddPolygonByRole(std::move(rings), m_document.rings);
  }

  // x y, then as many more numbers as the geometry's Z and M say (a third
  // and fourth without them, as many writers give them); those are dropped.
  CFPPoint ReadPosition() {
    const Token& first = Peek();
    std::vector<double> numbers;
    while (Peek().kind == Token::Number || (numbers.size() < 2 && Peek().kind == Token::Word)) {
      numbers.push_back(ReadNumber());
    }
    const std::size_t wanted = m_extra == Extra::None ? 0 : m_extra == Extra::ZM ? 4 : 3;
    if (numbers.size() < 2 || numbers.size() > 4 || (wanted != 0 && numbers.size() != wanted)) {
      const std::string count = wanted == 0 ? "2 to 4" : std::to_string(wanted);
      Fail(first, "expected a coordinate of " + count + " numbers, found " + std::to_string(numbers.size()));
    }
    if (numbers.size() == 4 || m_extra == Extra::Z) m_droppedZ = true;
    if (numbers.size() == 4 || m_extra == Extra::M) m_droppedM = true;
    if (numbers.size() == 3 && m_extra == Extra::None) m_droppedZ = true;
    return CFPPoint(numbers[0], numbers[1]);
  }

  double ReadNumber() {
    const Token& token = Take();
    const char* begin = token.text.data();
    const char* end = begin + token.text.size();
    if (begin != end && *begin == '+') ++begin;  // from_chars takes no plus sign
    double value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error == std::errc::result_out_of_range) Fail(token, "number out of range: '" + token.text + "'");
    if (error != std::errc() || stop != end || token.kind != Token::Number) {
      Fail(token, "expected a number, found " + Shown(token));
    }
    return value;
  }

  const Token& Peek() const { return m_tokens[m_next]; }
  const Token& Take() {
    const Token& token = m_tokens[m_next];
    if (token.kind != Token::End) ++m_next;
    return token;
  }
  bool TakeIf(Token::Kind kind) {
    if (Peek().kind != kind) return false;
    Take();
    return true;
  }
  bool TakeWord(const char* word) {
    if (Peek().kind != Token::Word || Uppercase(Peek().text) != word) return false;
    Take();
    return true;
  }
  void Expect(Token::Kind kind, const char* what) {
    if (!TakeIf(kind)) Fail(Peek(), std::string("expected ") + what + ", found " + Shown(Peek()));
  }

  [[noreturn]] void Fail(const Token& token, const std::string& message) const {
    throw ReadError(m_source, LineAndColumn(m_text, token.offset), message);
  }

  const std::string& m_text;
  const std::string& m_source;
  std::vector<Token> m_tokens;
  std::size_t m_next = 0;
  Document& m_document;
  Extra m_extra = Extra::None;
  bool m_droppedZ = false;
  bool m_droppedM = false;
};

}  // namespace

Document ReadWkt(const std::string& text, const std::string& source) {
  Document document;
  WktParser(text, source, document).ReadDocument();
  return document;
}

}  // namespace fpgeom::io
