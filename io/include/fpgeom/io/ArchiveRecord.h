// fpgeom archive files: exactly one region record, as CFPPolyRgn::Serialize
// stores it through CArchive, and nothing after it. Archives hold rings
// only; a document's loose points have no place in them.
#pragma once

#include <string>

#include "fpgeom/io/Document.h"

namespace fpgeom::io {

// Throws ReadError naming source and the archive's complaint (the record
// ends early, a class other than CFPPolygon, bytes after the record).
Document ReadArchive(const std::string& bytes, const std::string& source);
std::string WriteArchive(const CFPPolyRgn& rings);

}  // namespace fpgeom::io
