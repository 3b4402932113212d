// CList: the framework's doubly linked list of values. Nodes come from blocks
// of m_nBlockSize nodes (CPlex); removed nodes go to a free chain and are
// reused; when the list becomes empty every block is released. A node never
// moves, so an element's address is stable while it is in the list.
//
// Positions: a POSITION designates one node, or is the end when null. Reading
// or writing through a null position, or asking an empty list for its head or
// tail, throws CInvalidArgException and changes nothing. A position of a
// removed node is stale and must not be used again.
#pragma once

#include <new>
#include <utility>

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/frame/Object.h"
#include "fpgeom/frame/Plex.h"
#include "fpgeom/frame/WinTypes.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
 protected:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    TYPE data;
  };

 public:
  explicit CList(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10) {}
  CList(const CList&) = delete;
  CList& operator=(const CList&) = delete;
  ~CList() override { RemoveAll(); }

  // Size and ends.
  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  bool IsEmpty() const { return m_nCount == 0; }

  TYPE& GetHead() { return NonEmptyHead()->data; }
  const TYPE& GetHead() const { return NonEmptyHead()->data; }
  TYPE& GetTail() { return NonEmptyTail()->data; }
  const TYPE& GetTail() const { return NonEmptyTail()->data; }

  POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
  POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }

  // Adding and removing at the ends.
  POSITION AddHead(ARG_TYPE newElement) { return InsertBetween(nullptr, m_pNodeHead, newElement); }
  POSITION AddTail(ARG_TYPE newElement) { return InsertBetween(m_pNodeTail, nullptr, newElement); }

  TYPE RemoveHead() {
    CNode* node = NonEmptyHead();
    TYPE value = node->data;
    Unlink(node);
    return value;
  }
  TYPE RemoveTail() {
    CNode* node = NonEmptyTail();
    TYPE value = node->data;
    Unlink(node);
    return value;
  }

  void RemoveAll() {
    for (CNode* node = m_pNodeHead; node != nullptr;) {
      CNode* next = node->pNext;
      node->~CNode();
      node = next;
    }
    m_pNodeHead = m_pNodeTail = nullptr;
    m_pNodeFree = nullptr;
    m_nCount = 0;
    if (m_pBlocks != nullptr) {
      m_pBlocks->FreeDataChain();
      m_pBlocks = nullptr;
    }
  }

  // Walking: the element at rPosition, which then moves one step on.
  TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true)->data; }
  const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true)->data; }
  TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false)->data; }
  const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false)->data; }

  TYPE& GetAt(POSITION position) { return NodeAt(position)->data; }
  const TYPE& GetAt(POSITION position) const { return NodeAt(position)->data; }
  void SetAt(POSITION position, ARG_TYPE newElement) { NodeAt(position)->data = newElement; }

  void RemoveAt(POSITION position) { Unlink(NodeAt(position)); }

  // Insertion next to a position; before the end is the head and after the
  // end is the tail, as in the framework.
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
    if (position == nullptr) return AddHead(newElement);
    CNode* node = FromPosition(position);
    return InsertBetween(node->pPrev, node, newElement);
  }
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
    if (position == nullptr) return AddTail(newElement);
    CNode* node = FromPosition(position);
    return InsertBetween(node, node->pNext, newElement);
  }

  // Exchanges the whole contents, node blocks included, with other; a
  // position follows its node into the other list. Never throws, so a list
  // built aside can replace another in a step that cannot fail.
  void Swap(CList& other) noexcept {
    std::swap(m_pNodeHead, other.m_pNodeHead);
    std::swap(m_pNodeTail, other.m_pNodeTail);
    std::swap(m_nCount, other.m_nCount);
    std::swap(m_pNodeFree, other.m_pNodeFree);
    std::swap(m_pBlocks, other.m_pBlocks);
    std::swap(m_nBlockSize, other.m_nBlockSize);
  }

  // Searching: the first element equal to searchValue after startAfter (from
  // the head when startAfter is null), or null.
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
    CNode* node = startAfter == nullptr ? m_pNodeHead : FromPosition(startAfter)->pNext;
    for (; node != nullptr; node = node->pNext) {
      if (node->data == searchValue) return ToPosition(node);
    }
    return nullptr;
  }
  // The position of the element at nIndex counted from the head, or null.
  POSITION FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
    CNode* node = m_pNodeHead;
    while (nIndex-- > 0) node = node->pNext;
    return ToPosition(node);
  }

 private:
  // A node slot on the free chain holds only the link to the next free slot.
  struct FreeSlot {
    FreeSlot* pNext;
  };
  union Slot {
    CNode node;
    FreeSlot free;
  };

  static POSITION ToPosition(CNode* node) { return reinterpret_cast<POSITION>(node); }
  static CNode* FromPosition(POSITION position) { return reinterpret_cast<CNode*>(position); }

  static CNode* NodeAt(POSITION position) {
    if (position == nullptr) throw CInvalidArgException("list position is at the end");
    return FromPosition(position);
  }
  static CNode* Step(POSITION& rPosition, bool forward) {
    CNode* node = NodeAt(rPosition);
    rPosition = ToPosition(forward ? node->pNext : node->pPrev);
    return node;
  }
  CNode* NonEmptyHead() const {
    if (m_pNodeHead == nullptr) throw CInvalidArgException("list is empty");
    return m_pNodeHead;
  }
  CNode* NonEmptyTail() const {
    if (m_pNodeTail == nullptr) throw CInvalidArgException("list is empty");
    return m_pNodeTail;
  }

  void RefillFreeChain() {
    CPlex* block = CPlex::Create(m_pBlocks, static_cast<std::size_t>(m_nBlockSize), sizeof(Slot));
    Slot* slots = static_cast<Slot*>(block->data());
    // Chained back to front, so that nodes are handed out in address order.
    for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
      FreeSlot* slot = ::new (static_cast<void*>(&slots[i])) FreeSlot{m_pNodeFree};
      m_pNodeFree = slot;
    }
  }

  // Builds a node between prev and next (either may be null at an end). On
  // an exception from the allocation or from the element's copy the list is
  // unchanged.
  POSITION InsertBetween(CNode* prev, CNode* next, ARG_TYPE newElement) {
    if (m_pNodeFree == nullptr) RefillFreeChain();
    FreeSlot* slot = m_pNodeFree;
    FreeSlot* followingFree = slot->pNext;
    slot->~FreeSlot();
    CNode* node;
    try {
      node = ::new (static_cast<void*>(slot)) CNode{next, prev, newElement};
    } catch (...) {
      ::new (static_cast<void*>(slot)) FreeSlot{followingFree};
      // An empty list holds no block, even one taken for a failed insertion.
      if (m_nCount == 0) RemoveAll();
      throw;
    }
    m_pNodeFree = followingFree;
    (prev != nullptr ? prev->pNext : m_pNodeHead) = node;
    (next != nullptr ? next->pPrev : m_pNodeTail) = node;
    ++m_nCount;
    return ToPosition(node);
  }

  void Unlink(CNode* node) {
    (node->pPrev != nullptr ? node->pPrev->pNext : m_pNodeHead) = node->pNext;
    (node->pNext != nullptr ? node->pNext->pPrev : m_pNodeTail) = node->pPrev;
    node->~CNode();
    m_pNodeFree = ::new (static_cast<void*>(node)) FreeSlot{m_pNodeFree};
    if (--m_nCount == 0) RemoveAll();
  }

  CNode* m_pNodeHead = nullptr;
  CNode* m_pNodeTail = nullptr;
  INT_PTR m_nCount = 0;
  FreeSlot* m_pNodeFree = nullptr;
  CPlex* m_pBlocks = nullptr;
  INT_PTR m_nBlockSize;
};
