#include "PointArguments.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "ToolErrors.h"

namespace fpgeom::tool {
namespace {

// Exactly count finite numbers separated by commas, or nothing.
bool ParseNumbers(const std::string& text, std::size_t count, std::vector<double>& numbers) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string field = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(field.c_str(), &end);
    if (field.empty() || *end != '\0' || errno == ERANGE || !std::isfinite(value)) return false;
    numbers.push_back(value);
    if (comma == std::string::npos) return numbers.size() == count;
    if (numbers.size() == count) return false;  // more fields than numbers wanted
    start = comma + 1;
  }
}

std::vector<double> Numbers(const std::string& option, const std::string& text, std::size_t count,
                            const char* shape) {
  std::vector<double> numbers;
  if (!ParseNumbers(text, count, numbers)) {
    throw UsageError(option + " expects " + shape + " (" + std::to_string(count) +
                     " numbers separated by commas), got '" + text + "'");
  }
  return numbers;
}

}  // namespace

CFPPoint ParsePoint(const std::string& option, const std::string& text) {
  const std::vector<double> xy = Numbers(option, text, 2, "X,Y");
  return CFPPoint(xy[0], xy[1]);
}

CFPRect ParseRect(const std::string& option, const std::string& text) {
  const std::vector<double> lbrt = Numbers(option, text, 4, "L,B,R,T");
  if (lbrt[0] > lbrt[2] || lbrt[1] > lbrt[3]) {
    throw UsageError(option + " expects left <= right and bottom <= top, got '" + text + "'");
  }
  return CFPRect(lbrt[0], lbrt[2], lbrt[1], lbrt[3]);
}

std::vector<CFPPoint> ParsePoints(const std::string& option, const std::vector<std::string>& texts) {
  std::vector<CFPPoint> points;
  for (const std::string& text : texts) points.push_back(ParsePoint(option, text));
  return points;
}

}  // namespace fpgeom::tool
