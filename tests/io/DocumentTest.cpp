#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/Document.h"

namespace fpgeom::io {
namespace {

TEST(Document, TellsFormatsByNameExtensionAndContent) {
  EXPECT_EQ(FormatFromName("GeoJSON"), Format::GeoJson);
  EXPECT_EQ(FormatFromName("archive"), Format::Archive);
  EXPECT_EQ(FormatFromName("shp"), std::nullopt);
  EXPECT_EQ(FormatFromExtension("a/b.WKT"), Format::Wkt);
  EXPECT_EQ(FormatFromExtension("b.geojson"), Format::GeoJson);
  EXPECT_EQ(FormatFromExtension("b.txt"), std::nullopt);
  EXPECT_EQ(FormatFromExtension("noextension"), std::nullopt);
  EXPECT_EQ(FormatFromContent(" \n{\"type\":1}"), Format::GeoJson);
  // A region of 65 polygons starts with the byte 'A' and then a NUL.
  EXPECT_EQ(FormatFromContent(std::string("A\0", 2)), Format::Archive);
}

TEST(Document, SameRingsComparesEveryPointExactly) {
  const Document a = testing::DocumentOf({{{0, 0}, {0, 1}, {1, 1}}});
  EXPECT_TRUE(SameRings(a.rings, testing::DocumentOf({{{0, 0}, {0, 1}, {1, 1}}}).rings));
  EXPECT_FALSE(SameRings(a.rings, testing::DocumentOf({{{0, 0}, {0, 1}, {1, 1.0000000000000002}}}).rings));
  EXPECT_FALSE(SameRings(a.rings, testing::DocumentOf({{{0, 0}, {0, 1}, {1, 1}}, {{0, 0}, {0, 1}, {1, 1}}}).rings));
}

}  // namespace
}  // namespace fpgeom::io
