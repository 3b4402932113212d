// RAII over the reentrant GEOS C API: one context handle per operation, so
// that calls on different threads share nothing, and geometries that are
// destroyed on every path.
#pragma once

#include <geos_c.h>

#include <memory>
#include <string>

namespace fpgeom::overlay_detail {

class GeosContext {
 public:
  GeosContext();
  ~GeosContext();
  GeosContext(const GeosContext&) = delete;
  GeosContext& operator=(const GeosContext&) = delete;

  GEOSContextHandle_t get() const { return m_handle; }

  // Throws CException naming what failed and the engine's last message.
  [[noreturn]] void Fail(const char* what) const;

 private:
  static void OnError(const char* message, void* userdata);

  GEOSContextHandle_t m_handle;
  std::string m_lastError;
};

struct GeometryDeleter {
  GEOSContextHandle_t handle;
  void operator()(GEOSGeometry* geometry) const { GEOSGeom_destroy_r(handle, geometry); }
};
using Geometry = std::unique_ptr<GEOSGeometry, GeometryDeleter>;

// Takes ownership of what an engine call returned; null means the call
// failed, which throws with the engine's message.
Geometry Own(const GeosContext& context, GEOSGeometry* geometry, const char* what);

}  // namespace fpgeom::overlay_detail
