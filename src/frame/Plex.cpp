#include "fpgeom/frame/Plex.h"

#include <new>

CPlex* CPlex::Create(CPlex*& head, std::size_t nMax, std::size_t cbElement) {
  void* memory = ::operator new(sizeof(CPlex) + nMax * cbElement);
  CPlex* block = ::new (memory) CPlex{head};
  head = block;
  return block;
}

void CPlex::FreeDataChain() {
  for (CPlex* block = this; block != nullptr;) {
    CPlex* next = block->pNext;
    block->~CPlex();
    ::operator delete(static_cast<void*>(block));
    block = next;
  }
}
