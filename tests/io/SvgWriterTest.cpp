#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/Svg.h"

namespace fpgeom::io {
namespace {

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(SvgWriter, FlipsTheYAxisFitsTheViewBoxCutsHolesAndLegendsTheRingsByRole) {
  SvgScene scene;
  // A negative ring before any outer ring, then an outer ring and its hole.
  scene.rings = RingsOf(test::DocumentOf({{{-5, -5}, {-4, -5}, {-4, -4}},
                                             {{0, 0}, {0, 10}, {10, 10}, {10, 0}},
                                             {{2, 2}, {8, 2}, {8, 8}, {2, 8}}})
                            .rings);
  scene.probes = {{CFPPoint(1, 1), true}, {CFPPoint(20, 20), false}};
  const std::string svg = WriteSvg(scene);
  // y = 10 is written as -10: up in the plane is up on the screen. The view
  // holds -5..20 both ways with a margin of 6%.
  for (const char* part : {"viewBox=\"-6.5 -21.5 28 28\"",
                           "d=\"M0,-0 L0,-10 10,-10 10,-0 Z M2,-2 L8,-2 8,-8 2,-8 Z\" fill-rule=\"evenodd\"",
                           "filled ring, area &gt;= 0 (1)", "hole (1)", "ring of negative area, no outer ring (1)",
                           "probe point inside (1)", "probe point outside (1)"}) {
    EXPECT_EQ(Occurrences(svg, part), 1u) << part;
  }
}

}  // namespace
}  // namespace fpgeom::io
