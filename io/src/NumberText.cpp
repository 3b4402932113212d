#include "fpgeom/io/NumberText.h"

#include <charconv>

namespace fpgeom::io {

std::string NumberText(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

}  // namespace fpgeom::io
