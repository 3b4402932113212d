// Documents on disk and on the standard streams. "-" names standard input.
#pragma once

#include <optional>
#include <string>

#include "fpgeom/io/Document.h"

namespace fpgeom::io {

// format: as given, else by the file's extension, else by its content.
// Throws ReadError when the file cannot be read or does not parse.
Document ReadDocumentFile(const std::string& path, std::optional<Format> format = std::nullopt);
// text read already (standard input, a command-line string): by format as
// given, else by content.
Document ReadDocumentText(const std::string& text, const std::string& source, std::optional<Format> format);

// The bytes of a document in one format. Throws WriteError for an archive
// of a document that holds loose points.
std::string EncodeDocument(const Document& document, Format format, const std::string& target);

// Reads a whole file; throws ReadError naming it when it cannot.
std::string ReadWholeFile(const std::string& path);

}  // namespace fpgeom::io
