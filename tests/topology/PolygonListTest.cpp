#include <gtest/gtest.h>

#include <vector>

#include "TopologySupport.h"
#include "fpgeom/fpgeom.h"

using topology_test::LinksOf;

namespace {

using Links = std::vector<CFPPolygon*>;

}  // namespace

TEST(PolygonList, StartsEmptyWithTheCursorAtTheEndAndIsLinkedAnswersOneWhenEmpty) {
  CPolygonList list;
  CFPPolygon polygon;
  EXPECT_EQ(list.IsLinked(), 1);
  EXPECT_EQ(list.isIterationFinished(), 1);
  EXPECT_THROW(list.GetCurrentPoly(), CInvalidArgException);
  EXPECT_THROW(list.GetNextPoly(), CInvalidArgException);

  list.AddLink(&polygon);
  EXPECT_EQ(list.IsLinked(), 0);
  EXPECT_EQ(list.isIterationFinished(), 1) << "linking does not move the cursor";
}

TEST(PolygonList, IteratesInLinkOrderKeepingRepeatsAndReadsWithoutMovingOnGetCurrentPoly) {
  CPolygonList list;
  CFPPolygon p1, p2;
  list.AddLink(&p1);
  list.AddLink(&p2);
  list.AddLink(&p1);

  list.BeginIteration();
  EXPECT_EQ(list.GetCurrentPoly(), &p1);
  EXPECT_EQ(list.GetCurrentPoly(), &p1);
  EXPECT_EQ(list.GetNextPoly(), &p1);
  EXPECT_EQ(list.GetCurrentPoly(), &p2);
  EXPECT_EQ(list.GetNextPoly(), &p2);
  EXPECT_EQ(list.GetNextPoly(), &p1);
  EXPECT_EQ(list.isIterationFinished(), 1);
  EXPECT_THROW(list.GetNextPoly(), CInvalidArgException);
}

TEST(PolygonList, RemoveCurrentPolyRemovesTheEntryAfterTheOneJustReturnedAndEndsTheCursor) {
  CPolygonList list;
  CFPPolygon p1, p2, p3;
  for (CFPPolygon* polygon : {&p1, &p2, &p3}) list.AddLink(polygon);

  list.BeginIteration();
  EXPECT_EQ(list.GetNextPoly(), &p1);
  list.RemoveCurrentPoly();
  EXPECT_EQ(list.isIterationFinished(), 1);
  list.RemoveCurrentPoly();  // at the end: nothing to remove
  EXPECT_EQ(LinksOf(list), (Links{&p1, &p3}));
}

TEST(PolygonList, RemoveLinkRemovesTheFirstEntryOfThatPolygonOnly) {
  CPolygonList list;
  CFPPolygon p1, p2;
  for (CFPPolygon* polygon : {&p1, &p2, &p1}) list.AddLink(polygon);

  list.RemoveLink(&p1);
  EXPECT_EQ(LinksOf(list), (Links{&p2, &p1}));
  list.RemoveLink(&p1);
  EXPECT_EQ(LinksOf(list), (Links{&p2}));
}

TEST(PolygonList, RemoveLinkOfAPolygonNotListedThrowsAndRemovesNothing) {
  CPolygonList list;
  CFPPolygon listed, stranger;
  list.AddLink(&listed);
  EXPECT_THROW(list.RemoveLink(&stranger), CInvalidArgException);
  EXPECT_EQ(LinksOf(list), (Links{&listed}));
  EXPECT_THROW(CPolygonList().RemoveLink(&stranger), CInvalidArgException);
}

TEST(PolygonList, RemoveLinkKeepsTheCursorUnlessItWasOnTheRemovedEntry) {
  CPolygonList list;
  CFPPolygon p1, p2, p3;
  for (CFPPolygon* polygon : {&p1, &p2, &p3}) list.AddLink(polygon);

  list.BeginIteration();
  list.GetNextPoly();
  list.RemoveLink(&p1);
  EXPECT_EQ(list.GetCurrentPoly(), &p2);

  list.RemoveLink(&p2);
  EXPECT_EQ(list.isIterationFinished(), 1);
  EXPECT_EQ(LinksOf(list), (Links{&p3}));
}

TEST(PolygonList, AddLinkOfAnotherListAppendsItsEntriesInOrderAndEndsItsCursor) {
  CPolygonList target, source;
  CFPPolygon p1, p2, p3;
  target.AddLink(&p3);
  for (CFPPolygon* polygon : {&p1, &p2, &p1}) source.AddLink(polygon);
  source.BeginIteration();

  target.AddLink(&source);
  EXPECT_EQ(source.isIterationFinished(), 1);
  EXPECT_EQ(LinksOf(target), (Links{&p3, &p1, &p2, &p1}));
  EXPECT_EQ(LinksOf(source), (Links{&p1, &p2, &p1}));
}

TEST(PolygonList, AddLinkOfItselfAppendsTheEntriesItHadOnceAndEndsTheCursor) {
  CPolygonList list;
  CFPPolygon p1, p2;
  list.AddLink(&p1);
  list.AddLink(&p2);

  list.AddLink(&list);
  EXPECT_EQ(list.isIterationFinished(), 1);
  EXPECT_EQ(LinksOf(list), (Links{&p1, &p2, &p1, &p2}));
}

TEST(PolygonList, TopologyElementsAnswerTheObjectBaseRuntimeClass) {
  CPolygonList list;
  CVertex vertex;
  CEdge edge;
  EXPECT_EQ(list.GetRuntimeClass(), RUNTIME_CLASS(CObject));
  EXPECT_EQ(vertex.GetRuntimeClass(), RUNTIME_CLASS(CObject));
  EXPECT_EQ(edge.GetRuntimeClass(), RUNTIME_CLASS(CObject));
  EXPECT_FALSE(vertex.IsSerializable());
}
