// Builds points and rectangles, prints what a few of their operations give,
// and hands the values over for storing.
#pragma once

#include <ostream>

#include "Shapes.h"

namespace host_demo {

Shapes ShowValues(std::ostream& out);

}  // namespace host_demo
