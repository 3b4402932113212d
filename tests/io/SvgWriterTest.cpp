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

TEST(SvgWriter, FlipsTheYAxisFitsTheViewBoxCutsHolesAndLegendsEveryOverlay) {
  SvgScene scene;
  scene.title = "a < b & \"c\"";
  // A negative ring before any outer ring, then an outer ring and its hole.
  scene.rings = RingsOf(testing::DocumentOf({{{-5, -5}, {-4, -5}, {-4, -4}},
                                             {{0, 0}, {0, 10}, {10, 10}, {10, 0}},
                                             {{2, 2}, {8, 2}, {8, 8}, {2, 8}}})
                            .rings);
  scene.clipRect = CFPRect(1.0, 9.0, 1.0, 9.0);
  scene.loops = RingsOf(testing::DocumentOf({{{0, 0}, {0, 5}, {5, 5}}, {{5, 5}, {10, 5}, {10, 10}}}).rings);
  scene.probes = {{CFPPoint(1, 1), true}, {CFPPoint(20, 20), false}};
  scene.sharedVertices.emplace_back(0, 0);
  scene.sharedEdges.emplace_back(CFPPoint(0, 0), CFPPoint(0, 10));
  const std::string svg = WriteSvg(scene);
  // y = 10 is written as -10: up in the plane is up on the screen. The view
  // holds -5..20 both ways with a margin of 6%.
  for (const char* part : {"<title>a &lt; b &amp; &quot;c&quot;</title>", "viewBox=\"-6.5 -21.5 28 28\"",
                           "d=\"M0,-0 L0,-10 10,-10 10,-0 Z M2,-2 L8,-2 8,-8 2,-8 Z\" fill-rule=\"evenodd\"",
                           "filled ring, area &gt;= 0 (1)", "hole (1)", "ring of negative area, no outer ring (1)",
                           "clipping rectangle 1,1 to 9,9", "breakdown loop 0, area", "breakdown loop 1, area",
                           "shared edge (1)", "shared vertex (1)", "probe point inside (1)", "probe point outside (1)"}) {
    EXPECT_EQ(Occurrences(svg, part), 1u) << part;
  }
  EXPECT_EQ(Occurrences(svg, "fill=\"#8ecae6\""), 2u);  // the outer ring and its legend swatch
  EXPECT_EQ(Occurrences(svg, "fill=\"#f4a261\""), 2u);
  // The two loops differ in colour.
  EXPECT_EQ(Occurrences(svg, "stroke=\"#ff006e\""), 2u);
  EXPECT_EQ(Occurrences(svg, "stroke=\"#3a86ff\""), 2u);
}

}  // namespace
}  // namespace fpgeom::io
