// How the tool shows values: in text with the shortest exact numbers, and
// in JSON reports.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fpgeom/values/FPPoint.h"
#include "fpgeom/values/FPRect.h"

namespace fpgeom::tool {

std::string Number(double value);
std::string PointText(const CFPPoint& point);   // (x, y)
std::string RectText(const CFPRect& rect);      // (left, bottom) to (right, top)
std::string IndexList(const std::vector<int>& indices);  // 0, 2, 3 or "none"
// Every line of text, however many, indented by two spaces.
std::string Indented(const std::string& text);

nlohmann::json PointJson(const CFPPoint& point);  // [x, y]
nlohmann::json RectJson(const CFPRect& rect);     // {left, bottom, right, top}

}  // namespace fpgeom::tool
