// The two ways a document can fail to cross the file boundary. Their
// messages name the file, the position when one is known, and what was
// expected there, ready to be shown to a user as they are.
#pragma once

#include <stdexcept>
#include <string>

namespace fpgeom::io {

class ReadError : public std::runtime_error {
 public:
  // position: "line 3, column 7", "byte 12", "/features/0/geometry" or empty.
  ReadError(const std::string& source, const std::string& position, const std::string& message);
};

class WriteError : public std::runtime_error {
 public:
  WriteError(const std::string& path, const std::string& message);
};

// "line L, column C" of a byte offset into text, both counted from 1.
std::string LineAndColumn(const std::string& text, std::size_t offset);

}  // namespace fpgeom::io
