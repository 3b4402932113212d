#include "fpgeom/frame/ObList.h"

#include "fpgeom/frame/Archive.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)

void CObList::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
    for (POSITION pos = GetHeadPosition(); pos != nullptr;) ar.WriteObject(GetNext(pos));
    return;
  }
  for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0; --remaining) {
    // The node is made first, so that an object once read always has a place
    // and a failed allocation cannot orphan it.
    POSITION slot = AddTail(nullptr);
    try {
      SetAt(slot, ar.ReadObject(nullptr));
    } catch (...) {
      RemoveAt(slot);
      throw;
    }
  }
}
