#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/Document.h"

namespace fpgeom::io {
namespace {

// The tool's cases choose formats by name and by lower-case extension; here an
// upper-case extension, formats told by content, and the exact comparison of
// rings behind the demo's check.
TEST(Document, TellsAnArchiveByItsContentAndComparesRingsExactly) {
  EXPECT_EQ(FormatFromExtension("a/b.WKT"), Format::Wkt);
  // A region of 65 polygons starts with the byte 'A' and then a NUL.
  EXPECT_EQ(FormatFromContent(std::string("A\0", 2)), Format::Archive);
  EXPECT_EQ(FormatFromContent(" \n{\"type\":1}"), Format::GeoJson);
  const Document a = test::DocumentOf({{{0, 0}, {0, 1}, {1, 1}}});
  EXPECT_FALSE(SameRings(a.rings, test::DocumentOf({{{0, 0}, {0, 1}, {1, 1.0000000000000002}}}).rings));
  EXPECT_FALSE(SameRings(a.rings, test::DocumentOf({{{0, 0}, {0, 1}, {1, 1}}, {{0, 0}, {0, 1}, {1, 1}}}).rings));
}

}  // namespace
}  // namespace fpgeom::io
