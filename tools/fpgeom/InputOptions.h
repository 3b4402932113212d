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
  // Throws UsageError or io::ReadError. Notes of what reading dropped go
  // to standard error.
  io::Document Load() const;

 private:
  io::Document Read() const;

  std::string m_path;
  std::string m_wkt;
  std::string m_format;
};

}  // namespace fpgeom::tool
