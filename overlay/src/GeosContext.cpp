#include "GeosContext.h"

#include <new>

#include "fpgeom/frame/Exceptions.h"

namespace fpgeom::overlay_detail {

GeosContext::GeosContext() : m_handle(GEOS_init_r()) {
  if (m_handle == nullptr) throw std::bad_alloc();
  GEOSContext_setErrorMessageHandler_r(m_handle, &GeosContext::OnError, this);
}

GeosContext::~GeosContext() { GEOS_finish_r(m_handle); }

void GeosContext::OnError(const char* message, void* userdata) {
  static_cast<GeosContext*>(userdata)->m_lastError = message != nullptr ? message : "";
}

void GeosContext::Fail(const char* what) const {
  std::string text = std::string("overlay: ") + what + " failed";
  if (!m_lastError.empty()) text += ": " + m_lastError;
  throw CException(text);
}

Geometry Own(const GeosContext& context, GEOSGeometry* geometry, const char* what) {
  if (geometry == nullptr) context.Fail(what);
  return Geometry(geometry, GeometryDeleter{context.get()});
}

}  // namespace fpgeom::overlay_detail
