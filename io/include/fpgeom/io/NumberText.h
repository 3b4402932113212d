// Numbers as text: the shortest decimal that reads back to the same double,
// so that written geometry round-trips exactly and stays readable.
#pragma once

#include <string>

namespace fpgeom::io {

std::string NumberText(double value);

}  // namespace fpgeom::io
