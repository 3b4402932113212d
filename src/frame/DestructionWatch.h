// Tells code that is deleting a group of objects of every CObject destroyed
// meanwhile on the same thread, so that an object whose owner destroyed it
// first is not deleted a second time.
#pragma once

#include <atomic>

class CObject;

namespace fpgeom::detail {

class DestructionWatch {
 public:
  using Listener = void (*)(void* context, const CObject* destroyed);

  // Listens until destroyed; watches nest.
  DestructionWatch(Listener listener, void* context) noexcept;
  ~DestructionWatch();
  DestructionWatch(const DestructionWatch&) = delete;
  DestructionWatch& operator=(const DestructionWatch&) = delete;

  // From CObject's destructor: watches are rare and every CObject's
  // destructor asks, so a plain count answers first.
  static void Destroyed(const CObject* object) noexcept {
    if (s_watches.load(std::memory_order_relaxed) != 0) TellWatches(object);
  }

 private:
  static void TellWatches(const CObject* object) noexcept;

  static std::atomic<int> s_watches;
  Listener m_listener;
  void* m_context;
  DestructionWatch* m_outer;
};

}  // namespace fpgeom::detail
