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

CFPPolygon Ring(const testing::Ring& points) {
  CFPPolygon ring;
  for (const auto& [x, y] : points) ring.AddTailNode(x, y);
  return ring;
}

TEST(SvgWriter, FlipsTheYAxisFitsTheViewBoxCutsHolesAndLegendsEveryOverlay) {
  SvgScene scene;
  scene.rings.push_back(Ring({{0, 0}, {0, 100}, {100, 100}, {100, 0}}));
  // y = 100 is written as -100: up in the plane is up on the screen.
  EXPECT_EQ(Occurrences(WriteSvg(scene), "d=\"M0,-0 L0,-100 100,-100 100,-0 Z\""), 1u);
  EXPECT_EQ(Occurrences(WriteSvg(scene), "viewBox=\"-6 -106 112 112\""), 1u);
  scene.rings.clear();
  scene.title = "a < b & \"c\"";
  scene.rings.push_back(Ring({{-5, -5}, {-4, -5}, {-4, -4}}));  // negative, before any outer ring
  scene.rings.push_back(Ring({{0, 0}, {0, 10}, {10, 10}, {10, 0}}));
  scene.rings.push_back(Ring({{2, 2}, {8, 2}, {8, 8}, {2, 8}}));  // its hole
  scene.clipRect = CFPRect(1.0, 9.0, 1.0, 9.0);
  scene.loops.push_back(Ring({{0, 0}, {0, 5}, {5, 5}}));
  scene.loops.push_back(Ring({{5, 5}, {10, 5}, {10, 10}}));
  scene.probes.push_back({CFPPoint(1, 1), true});
  scene.probes.push_back({CFPPoint(20, 20), false});
  scene.sharedVertices.emplace_back(0, 0);
  scene.sharedEdges.emplace_back(CFPPoint(0, 0), CFPPoint(0, 10));
  const std::string svg = WriteSvg(scene);
  EXPECT_NE(svg.find("<title>a &lt; b &amp; &quot;c&quot;</title>"), std::string::npos);
  for (const char* entry : {"filled ring, area &gt;= 0 (1)", "hole (1)", "ring of negative area, no outer ring (1)",
                            "clipping rectangle 1,1 to 9,9", "breakdown loop 0, area", "breakdown loop 1, area",
                            "shared edge (1)", "shared vertex (1)", "probe point inside (1)",
                            "probe point outside (1)", "M0,-0 L0,-10 10,-10 10,-0 Z M2,-2 L8,-2 8,-8 2,-8 Z"}) {
    EXPECT_EQ(Occurrences(svg, entry), 1u) << entry;
  }
  EXPECT_EQ(Occurrences(svg, "fill-rule=\"evenodd\""), 1u);
  EXPECT_EQ(Occurrences(svg, "fill=\"#8ecae6\""), 2u);  // the outer ring and its legend swatch
  EXPECT_EQ(Occurrences(svg, "fill=\"#f4a261\""), 2u);
  // The two loops differ in colour.
  EXPECT_EQ(Occurrences(svg, "stroke=\"#ff006e\""), 2u);
  EXPECT_EQ(Occurrences(svg, "stroke=\"#3a86ff\""), 2u);
}

}  // namespace
}  // namespace fpgeom::io
