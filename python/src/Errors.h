// How the library's exceptions reach Python: misuse (CInvalidArgException)
// and documents that do not parse become ValueError, a bad archive
// fpgeom.ArchiveError (a ValueError too), so that no input reaches Python as
// a crash or an unexplained RuntimeError.
#pragma once

#include <stdexcept>
#include <string>

#include <pybind11/pybind11.h>

namespace fpgeom::python {

class ArchiveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void RegisterErrors(pybind11::module_& module);

}  // namespace fpgeom::python
