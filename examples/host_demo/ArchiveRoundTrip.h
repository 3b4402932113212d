// Stores shapes in an archive file and loads them back, as a host keeps them
// in its documents.
#pragma once

#include <ostream>
#include <string>

#include "Shapes.h"

namespace host_demo {

void StoreShapes(const Shapes& shapes, const std::string& path);
Shapes LoadShapes(const std::string& path);

// Every coordinate must come back bit for bit: the record holds the doubles
// themselves. Prints what differs and returns the number of differences.
int CountDifferences(const Shapes& written, const Shapes& read, std::ostream& out);

}  // namespace host_demo
