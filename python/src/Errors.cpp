#include "Errors.h"

#include "fpgeom/frame/Exceptions.h"
#include "fpgeom/io/IoErrors.h"

namespace fpgeom::python {

void RegisterErrors(pybind11::module_& module) {
  // The type lives as long as the module; the translator keeps a handle to
  // it, as pybind11's own registration does.
  static pybind11::handle archiveError;
  auto& registered = pybind11::register_exception<ArchiveError>(module, "ArchiveError", PyExc_ValueError);
  registered.doc() = "Raised for bytes that are not exactly one fpgeom archive region record.";
  archiveError = registered;
  pybind11::register_exception_translator([](std::exception_ptr pending) {
    try {
      if (pending) std::rethrow_exception(pending);
    } catch (const CArchiveException& error) {
      PyErr_SetString(archiveError.ptr(), error.what());
    } catch (const CInvalidArgException& error) {
      PyErr_SetString(PyExc_ValueError, error.what());
    } catch (const io::ReadError& error) {
      PyErr_SetString(PyExc_ValueError, error.what());
    } catch (const io::WriteError& error) {
      PyErr_SetString(PyExc_ValueError, error.what());
    }
  });
}

}  // namespace fpgeom::python
