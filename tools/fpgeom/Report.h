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

  // Each item both ways: a line of text, and an entry of the JSON array at
  // key (an empty array when there are no items).
  template <class Items, class Text, class Json>
  void Each(const std::string& key, const Items& items, Text text, Json json) {
    data[key] = nlohmann::json::array();
    for (const auto& item : items) {
      Line(text(item));
      data[key].push_back(json(item));
    }
  }
};

}  // namespace fpgeom::tool
