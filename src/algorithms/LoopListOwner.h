// Ownership of the breakdown's list of loops: the framework's pointer list
// does not own what it points to, so the list and every loop in it are held
// by one owner until they are handed over.
#pragma once

#include <memory>

#include "fpgeom/frame/ObList.h"

class CFPPolygon;

namespace fpgeom::detail {

using LoopList = CTypedPtrList<CObList, CFPPolygon*>;

// Deletes every loop, then the list.
struct LoopListDeleter {
  void operator()(LoopList* loops) const;
};

using OwnedLoopList = std::unique_ptr<LoopList, LoopListDeleter>;

}  // namespace fpgeom::detail
