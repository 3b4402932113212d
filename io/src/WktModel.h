// The Boost.Geometry types that fpgeom's WKT goes through: x and y as
// doubles, rings kept closed as written, so that the repeated closing point
// is handled by fpgeom's own rule rather than by a tolerance.
#pragma once

#include <boost/geometry/geometries/multi_point.hpp>
#include <boost/geometry/geometries/multi_polygon.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

namespace fpgeom::io::detail {

using WktPoint = boost::geometry::model::d2::point_xy<double>;
using WktPolygon = boost::geometry::model::polygon<WktPoint, true, true>;
using WktMultiPolygon = boost::geometry::model::multi_polygon<WktPolygon>;
using WktMultiPoint = boost::geometry::model::multi_point<WktPoint>;

}  // namespace fpgeom::io::detail
