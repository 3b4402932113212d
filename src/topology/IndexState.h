// How far a topology list's index has got. A short list walks, which costs
// less than keeping an index; once it has grown, every entry is indexed and
// the index answers; an index that has lost track stays off until the list
// is emptied.
#pragma once

#include "fpgeom/frame/WinTypes.h"

namespace fpgeom::detail {

enum class IndexState { kWalking, kVouching, kBroken };

constexpr int kShortestIndexedList = 128;

// Keeps an index in step with an entry appended to list at node: indexes
// it, or, when the list has just grown long enough, indexes every entry.
// index(node, element) may break the index by setting state.
template <class List, class IndexEntry>
void IndexAppended(IndexState& state, const List& list, POSITION node, IndexEntry&& index) {
  if (state == IndexState::kVouching) return index(node, *list.GetAt(node));
  if (state == IndexState::kBroken || list.GetCount() < kShortestIndexedList) return;
  state = IndexState::kVouching;
  for (POSITION next = list.GetHeadPosition(); next != nullptr && state == IndexState::kVouching;) {
    const POSITION at = next;
    index(at, *list.GetNext(next));
  }
}

}  // namespace fpgeom::detail
