#include <pybind11/pybind11.h>

#include "Bindings.h"
#include "Errors.h"

PYBIND11_MODULE(fpgeom, module) {
  module.doc() =
      "Two-dimensional double-precision geometry: polygons (closed rings of points), regions of\n"
      "several polygons, clean-up, rectangle clipping, self-intersection breakdown, a shared\n"
      "topology, and WKT, GeoJSON and archive reading and writing.\n\n"
      "The plane's y axis points up; a clockwise ring has positive area and is filled, a ring of\n"
      "negative area acts as a hole. Every coordinate passed in must be finite: NaN and\n"
      "infinities raise ValueError. Objects are values: accessors return copies, and pickling\n"
      "goes through the archive bytes of Region.to_bytes().";
  module.attr("__version__") = FPGEOM_VERSION;
  fpgeom::python::RegisterErrors(module);
  fpgeom::python::BindPolygon(module);
  fpgeom::python::BindRegion(module);
  fpgeom::python::BindIo(module);
  fpgeom::python::BindTopology(module);
#ifdef FPGEOM_PYTHON_OVERLAY
  fpgeom::python::BindOverlay(module);
#endif
#ifdef FPGEOM_PYTHON_PREPARED
  fpgeom::python::BindPrepared(module);
#endif
}
