// What the info subcommand (and the demo) says about each ring.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "fpgeom/polygon/FPPolygon.h"

namespace fpgeom::tool {

struct RingFacts {
  int index;
  int points;
  double area;          // signed: positive for a clockwise ring
  double unsignedArea;  // every loop counted positive
  bool filled;
  int outerRing;  // its own index for an outer ring, io::kNoOuterRing for none
  CFPRect bounds;
  std::optional<CFPPoint> massCentre;
  int loops;  // breakdown loops; 0 when the ring meets itself nowhere
  // The working copy's points when the breakdown gave up; 0 otherwise.
  std::uint64_t gaveUpAfter;
};

// outerRing: as io::OuterRingsOf gives it.
RingFacts FactsOf(const CFPPolygon& ring, int index, int outerRing);
std::string RingFactsText(const RingFacts& facts);
nlohmann::json RingFactsJson(const RingFacts& facts);

}  // namespace fpgeom::tool
