#include "frame/DeletionWatch.h"

namespace fpgeom::detail {
namespace {

thread_local DeletionWatch* t_innermost = nullptr;

}  // namespace

std::atomic<int> DeletionWatch::s_watches{0};

DeletionWatch::DeletionWatch(Listener listener, void* context) noexcept
    : m_listener(listener), m_context(context), m_outer(t_innermost) {
  t_innermost = this;
  s_watches.fetch_add(1, std::memory_order_relaxed);
}

DeletionWatch::~DeletionWatch() {
  t_innermost = m_outer;
  s_watches.fetch_sub(1, std::memory_order_relaxed);
}

void DeletionWatch::TellWatches(const CObject* object) noexcept {
  for (const DeletionWatch* watch = t_innermost; watch != nullptr; watch = watch->m_outer) {
    watch->m_listener(watch->m_context, object);
  }
}

}  // namespace fpgeom::detail
