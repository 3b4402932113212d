// Tells code that is deleting a group of objects of every CObject deleted
// meanwhile on the same thread, so that an object whose owner deleted it
// first is not deleted a second time.
#pragma once

#include <atomic>

class CObject;

namespace fpgeom::detail {

class DeletionWatch {
 public:
  using Listener = void (*)(void* context, const CObject* deleted);

  // Listens until destroyed; watches nest.
  DeletionWatch(Listener listener, void* context) noexcept;
  ~DeletionWatch();
  DeletionWatch(const DeletionWatch&) = delete;
  DeletionWatch& operator=(const DeletionWatch&) = delete;

  // From CObject's operator delete: watches are rare and every deletion
  // asks, so a plain count answers first.
  static void Deleted(const CObject* object) noexcept {
    if (s_watches.load(std::memory_order_relaxed) != 0) TellWatches(object);
  }

 private:
  static void TellWatches(const CObject* object) noexcept;

  static std::atomic<int> s_watches;
  Listener m_listener;
  void* m_context;
  DeletionWatch* m_outer;
};

}  // namespace fpgeom::detail
