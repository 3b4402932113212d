// CObList holds object pointers, and CTypedPtrList gives such a list a typed
// face. Neither owns the objects it points to.
#pragma once

#include "fpgeom/frame/Export.h"
#include "fpgeom/frame/List.h"
#include "fpgeom/frame/Object.h"

class FPGEOM_API CObList : public CList<CObject*, CObject*> {
 public:
  explicit CObList(INT_PTR nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}

  // The framework's list format: the count, then each object as an object
  // reference. Loading appends each object read at the tail; the objects
  // read before an error stay in the list, and the caller owns them.
  void Serialize(CArchive& ar) override;

  DECLARE_SERIAL(CObList)
};

// Typed access to a pointer list. Elements are returned by value; SetAt
// replaces one.
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
 public:
  explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

  TYPE GetHead() const { return Typed(BASE_CLASS::GetHead()); }
  TYPE GetTail() const { return Typed(BASE_CLASS::GetTail()); }
  TYPE RemoveHead() { return Typed(BASE_CLASS::RemoveHead()); }
  TYPE RemoveTail() { return Typed(BASE_CLASS::RemoveTail()); }
  TYPE GetNext(POSITION& rPosition) const { return Typed(BASE_CLASS::GetNext(rPosition)); }
  TYPE GetPrev(POSITION& rPosition) const { return Typed(BASE_CLASS::GetPrev(rPosition)); }
  TYPE GetAt(POSITION position) const { return Typed(BASE_CLASS::GetAt(position)); }
  void SetAt(POSITION position, TYPE newElement) { BASE_CLASS::SetAt(position, newElement); }
  POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
  POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
  POSITION InsertBefore(POSITION position, TYPE newElement) {
    return BASE_CLASS::InsertBefore(position, newElement);
  }
  POSITION InsertAfter(POSITION position, TYPE newElement) {
    return BASE_CLASS::InsertAfter(position, newElement);
  }
  POSITION Find(TYPE searchValue, POSITION startAfter = nullptr) const {
    return BASE_CLASS::Find(searchValue, startAfter);
  }

 private:
  // Only TYPE pointers are put in through this face, so the downcast holds.
  static TYPE Typed(CObject* element) { return static_cast<TYPE>(element); }
};
