#include "fpgeom/io/IoErrors.h"

#include <algorithm>

namespace fpgeom::io {
namespace {

std::string Located(const std::string& source, const std::string& position, const std::string& message) {
  return position.empty() ? source + ": " + message : source + ": " + position + ": " + message;
}

}  // namespace

ReadError::ReadError(const std::string& source, const std::string& position, const std::string& message)
    : std::runtime_error(Located(source, position, message)) {}

WriteError::WriteError(const std::string& path, const std::string& message)
    : std::runtime_error(path + ": " + message) {}

std::string LineAndColumn(const std::string& text, std::size_t offset) {
  const auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(offset, text.size()));
  const auto line = 1 + std::count(text.begin(), end, '\n');
  const auto lineStart = std::find(std::make_reverse_iterator(end), text.rend(), '\n').base();
  return "line " + std::to_string(line) + ", column " + std::to_string(end - lineStart + 1);
}

}  // namespace fpgeom::io
