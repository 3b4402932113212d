// What a subcommand tells the user: lines of text and the same facts as a
// JSON object; OutputOptions prints one or the other.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace fpgeom::tool {

struct Report {
  std::string text;
  nlohmann::json data = nlohmann::json::object();

  void Line(const std::string& line) { text += line + "\n"; }
};

}  // namespace fpgeom::tool
