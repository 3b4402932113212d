// CPlex: a chain of raw memory blocks from which the framework's lists carve
// their nodes, so that nodes are allocated a block at a time.
#pragma once

#include <cstddef>

#include "fpgeom/frame/Export.h"

struct FPGEOM_API CPlex {
  // Aligned so that the nodes after the header are aligned for any type.
  alignas(std::max_align_t) CPlex* pNext;

  void* data() { return this + 1; }

  // Prepends a block for nMax elements of cbElement bytes to the chain at
  // head; throws std::bad_alloc and leaves the chain as it was on failure.
  static CPlex* Create(CPlex*& head, std::size_t nMax, std::size_t cbElement);
  // Releases this block and every block after it.
  void FreeDataChain();
};
