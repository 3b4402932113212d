// The walks that every list of the topology shares: a typed pointer list
// paired with a cursor that its owner keeps beside it. A walk starts at the
// head and moves the cursor past an entry before looking at it, so a walk
// that stops at a match leaves the cursor on the entry after the match, and
// one that finds nothing leaves it at the end.
#pragma once

#include "fpgeom/frame/ObList.h"
#include "fpgeom/frame/WinTypes.h"
#include "fpgeom/values/FPPoint.h"

namespace fpgeom::detail {

template <class Element>
struct CursorWalk {
  using List = CTypedPtrList<CObList, Element*>;

  static void Begin(const List& list, POSITION& cursor) { cursor = list.GetHeadPosition(); }
  // Both readers throw CInvalidArgException with the cursor at the end.
  static Element* Current(const List& list, POSITION cursor) { return list.GetAt(cursor); }
  static Element* Next(const List& list, POSITION& cursor) { return list.GetNext(cursor); }
  static int IsFinished(POSITION cursor) { return cursor == nullptr ? 1 : 0; }

  // The first entry for which matches() holds, or null.
  template <class Predicate>
  static Element* FindFirst(const List& list, POSITION& cursor, Predicate matches) {
    for (Begin(list, cursor); cursor != nullptr;) {
      Element* element = Next(list, cursor);
      if (matches(element)) return element;
    }
    return nullptr;
  }

  // The first element strictly nearer to pt than maxDistance and than every
  // element before it; null when there is none. An element whose distance
  // is not a number is never chosen.
  static Element* Nearest(const List& list, POSITION& cursor, const CFPPoint& pt, double maxDistance) {
    double best = maxDistance;
    Element* nearest = nullptr;
    for (Begin(list, cursor); cursor != nullptr;) {
      Element* element = Next(list, cursor);
      const double d = element->distance(pt);
      if (d < best) {
        best = d;
        nearest = element;
      }
    }
    return nearest;
  }

  // Removes the first entry, from the head, that is this very element, or
  // the entry at a position; throws CInvalidArgException when there is none.
  // The cursor is left where it was unless it designated the removed entry,
  // which would leave it stale: then it goes to the end.
  static void RemoveFirst(List& list, POSITION& cursor, Element* element) {
    RemoveEntry(list, cursor, list.Find(element));
  }
  static void RemoveEntry(List& list, POSITION& cursor, POSITION entry) {
    const bool cursorOnEntry = entry != nullptr && cursor == entry;
    list.RemoveAt(entry);
    if (cursorOnEntry) cursor = nullptr;
  }

  // Destroys every element through its virtual destructor, head first. The
  // list releases its node blocks once empty, so the cursor goes to the end.
  static void DeleteAll(List& list, POSITION& cursor) {
    while (!list.IsEmpty()) delete list.RemoveHead();
    cursor = nullptr;
  }
};

}  // namespace fpgeom::detail
