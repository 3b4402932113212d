// The sample map that ships with fpgeom, for the demo subcommand.
#pragma once

#include <filesystem>

namespace fpgeom::tool {

// The sample's WKT file: beside an installed tool in ../share/fpgeom/data,
// else in the source tree the tool was built from. Throws UsageError when
// neither holds it.
std::filesystem::path SampleMapFile();

}  // namespace fpgeom::tool
