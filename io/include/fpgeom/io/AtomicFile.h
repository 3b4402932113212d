// Writing a file whole or not at all: the bytes go to a temporary file in
// the same folder, which replaces the target by a rename only once every
// byte is on disk. A failure leaves the target as it was and no temporary.
#pragma once

#include <string>

namespace fpgeom::io {

// Throws WriteError naming path and the system's reason.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace fpgeom::io
