#include <gtest/gtest.h>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

// Given itself, a list stops at the entries it had when the call began.
// RemoveLink takes the polygon's first entry and moves only a cursor on it,
// to the end; RemoveCurrentPoly takes the entry after the one just returned
// and ends the cursor.
TEST(PolygonList, AddLinkOfAListAppendsTheEntriesItHadAndRemovalsTakeTheDocumentedEntry) {
  CPolygonList target, source;
  CFPPolygon p1, p2, p3, stranger;
  target.AddLink(&p3);
  for (CFPPolygon* polygon : {&p1, &p2, &p1}) source.AddLink(polygon);
  source.BeginIteration();
  target.AddLink(&source);
  EXPECT_EQ(source.isIterationFinished(), 1);
  EXPECT_EQ(Listed(target), (Links{&p3, &p1, &p2, &p1}));
  target.AddLink(&target);
  EXPECT_EQ(target.isIterationFinished(), 1);
  EXPECT_EQ(Listed(target), (Links{&p3, &p1, &p2, &p1, &p3, &p1, &p2, &p1}));

  EXPECT_THROW(target.RemoveLink(&stranger), CInvalidArgException);
  target.BeginIteration();
  target.GetNextPoly();
  target.RemoveLink(&p2);
  EXPECT_EQ(target.GetCurrentPoly(), &p1);
  target.RemoveLink(&p1);
  EXPECT_EQ(target.isIterationFinished(), 1);
  target.BeginIteration();
  target.GetNextPoly();
  target.RemoveCurrentPoly();
  EXPECT_EQ(target.isIterationFinished(), 1);
  EXPECT_EQ(Listed(target), (Links{&p3, &p3, &p1, &p2, &p1}));
}
