// The two absolute tolerances of fpgeom; neither scales with coordinates.
#pragma once

namespace fpgeom {

// Point, size, rectangle and segment equality, point matching in searches
// and the topology, the clean-up (there with strict tests): 2^-23, the
// single-precision machine epsilon.
constexpr double kPointEpsilon = 1.1920928955078125e-07;

// Degeneracy, projection parameters and on-the-line tests: 2^-52, the
// double-precision machine epsilon.
constexpr double kDoubleEpsilon = 2.220446049250313e-16;

// The bound just above 1 of the open parameter ranges, 1 + 2^-52.
constexpr double kOnePlusDoubleEpsilon = 1.0000000000000002;

}  // namespace fpgeom
