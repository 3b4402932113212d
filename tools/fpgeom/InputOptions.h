// Where a subcommand's geometry comes from: a file (WKT, GeoJSON or an
// archive), "-" or nothing for standard input, or a WKT string.
#pragma once

#include <string>

#include <CLI/CLI.hpp>

#include "fpgeom/io/Document.h"

namespace fpgeom::tool {

class InputOptions {
 public:
  void AddTo(CLI::App& command);
  // Throws UsageError or io::ReadError.
  io::Document Load() const;

 private:
  std::string m_path;
  std::string m_wkt;
  std::string m_format;
};

}  // namespace fpgeom::tool
