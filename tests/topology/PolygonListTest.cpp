#include <gtest/gtest.h>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using namespace topology_test;

// RemoveLink takes the polygon's first entry and moves only a cursor on it,
// to the end; RemoveCurrentPoly takes the entry after the one just returned
// and ends the cursor.
TEST(PolygonList, RemovalsTakeTheDocumentedEntryAndMoveTheCursorAsDocumented) {
  CPolygonList list;
  CFPPolygon p1, p2, p3, stranger;
  for (CFPPolygon* polygon : {&p1, &p2, &p3, &p1, &p2}) list.AddLink(polygon);
  EXPECT_THROW(list.RemoveLink(&stranger), CInvalidArgException);
  list.BeginIteration();
  EXPECT_EQ(list.GetNextPoly(), &p1);
  list.RemoveLink(&p1);
  EXPECT_EQ(list.GetCurrentPoly(), &p2);
  list.RemoveLink(&p2);
  EXPECT_EQ(list.isIterationFinished(), 1);
  list.BeginIteration();
  list.GetNextPoly();
  list.RemoveCurrentPoly();
  EXPECT_EQ(list.isIterationFinished(), 1);
  EXPECT_EQ(Listed(list), (Links{&p3, &p2}));
}

// Given itself, a list stops at the entries it had when the call began.
TEST(PolygonList, AddLinkOfAListAppendsTheEntriesItHadInOrderAndEndsItsCursor) {
  CPolygonList target, source;
  CFPPolygon p1, p2, p3;
  target.AddLink(&p3);
  for (CFPPolygon* polygon : {&p1, &p2, &p1}) source.AddLink(polygon);
  source.BeginIteration();
  target.AddLink(&source);
  EXPECT_EQ(source.isIterationFinished(), 1);
  EXPECT_EQ(Listed(target), (Links{&p3, &p1, &p2, &p1}));
  target.AddLink(&target);
  EXPECT_EQ(target.isIterationFinished(), 1);
  EXPECT_EQ(Listed(target), (Links{&p3, &p1, &p2, &p1, &p3, &p1, &p2, &p1}));
}
