// Writing a file whole or not at all: the bytes go to a temporary file in
// the same folder, which replaces the target by a rename only once every
// byte is on disk. A failure leaves the target as it was and no temporary.
#pragma once

#include <string>

namespace fpgeom::io {

// Throws WriteError naming path and the system's reason.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Writes bytes where a user's output path points: through a symbolic link
// to its target (atomically, beside the target), straight into a FIFO, a
// device or a socket, which cannot be replaced, and atomically to a regular
// or new file. Throws WriteError for a folder or when the write fails.
void WriteOutputFile(const std::string& path, const std::string& bytes);

}  // namespace fpgeom::io
