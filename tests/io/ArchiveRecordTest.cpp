#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "IoTesting.h"
#include "fpgeom/io/ArchiveRecord.h"
#include "fpgeom/io/IoErrors.h"

namespace fpgeom::io {
namespace {

Document TwoRings() { return test::DocumentOf({{{0, 0}, {0, 1}, {2, 1}, {2, 0}}, {{0.1, 0.2}, {3, 4}, {5, -6}}}); }

void ExpectRefused(const std::string& bytes, const std::string& message) {
  EXPECT_THAT([&] { ReadArchive(bytes, "doc.fpgeom"); },
              ::testing::ThrowsMessage<ReadError>(::testing::StrEq("doc.fpgeom: " + message)));
}

TEST(ArchiveRecord, RejectsTruncatedRecordsTrailingBytesAndForeignClasses) {
  const std::string bytes = WriteArchive(TwoRings().rings);
  ExpectRefused(bytes.substr(0, bytes.size() - 3), "the archive ends inside the region record");
  ExpectRefused("", "the archive ends inside the region record");
  ExpectRefused(bytes + "x", "expected the end of the file after the region record");
  // One object of class "CFPPoint", schema 1, where a polygon belongs.
  ExpectRefused(std::string("\x01\x00\xff\xff\x01\x00\x08\x00" "CFPPoint", 16),
                "expected polygons of class CFPPolygon, found another class");
}

}  // namespace
}  // namespace fpgeom::io
