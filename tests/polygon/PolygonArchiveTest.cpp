#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/polygon/FPPolygon.h"
#include "support/Shapes.h"
#include "values/ArchiveRecord.h"

using namespace fpgeom::test;

// The record is the count and each point's x and y; points go through the
// archive in chunks, so rings and cuts around the chunk size must give the
// same layout and keep every complete point. Storing walks the cursor to the
// end; loading replaces the points.
TEST(Polygon, StoresEachPointInTurnAndLoadsEveryCompletePointAcrossChunks) {
  for (const std::size_t size : {1u, 255u, 256u, 257u, 600u}) {
    SCOPED_TRACE(size);
    Ring ring;
    for (std::size_t k = 0; k < size; ++k) ring.emplace_back(k * 0.1 - 3, 1e300 / (k + 1));
    CFPPolygon polygon = PolygonOf(ring);
    polygon.BeginIteration(DIR_BACKWARD);
    const Bytes record = ArchiveBytes().PolygonRecord(ring).bytes();
    EXPECT_EQ(fpgeom::test::StoreRecord(polygon), record);
    EXPECT_EQ(polygon.isIterationFinished(), 1);
    CFPPolygon loaded = PolygonOf({{7, 7}, {8, 8}});
    LoadRecord(loaded, record);
    EXPECT_EQ(loaded.isIterationFinished(), 1);
    EXPECT_EQ(WalkedRing(loaded), ring);

    for (const std::size_t kept : {std::size_t{0}, size / 2, size - 1}) {
      for (const std::size_t extra : {0u, 8u, 15u}) {
        const Bytes cut(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(2 + 16 * kept + extra));
        CFPPolygon partial = PolygonOf({{7, 7}});
        EXPECT_EQ(fpgeom::test::LoadingCause(cut, [&](CArchive& ar) { partial.Serialize(ar); }),
                  CArchiveException::endOfFile);
        EXPECT_EQ(WalkedRing(partial), Ring(ring.begin(), ring.begin() + static_cast<std::ptrdiff_t>(kept)));
      }
    }
  }
}
