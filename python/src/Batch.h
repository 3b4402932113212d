// Answering one question for every row of an N x 2 array of points. The
// question is put to an object that the caller owns alone (a copy, or an
// immutable prepared object), so the GIL is released for the whole batch
// and other Python threads run meanwhile.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include "Arrays.h"

namespace fpgeom::python {

template <typename Answer, typename Query>
pybind11::array_t<Answer> AnswerEach(const pybind11::handle& xy, Query query) {
  const pybind11::array_t<double> points = QueryPoints(xy, "xy");
  pybind11::array_t<Answer> answers(points.shape(0));
  const auto in = points.template unchecked<2>();
  auto out = answers.template mutable_unchecked<1>();
  {
    pybind11::gil_scoped_release released;
    for (pybind11::ssize_t row = 0; row < in.shape(0); ++row) out(row) = query(CFPPoint(in(row, 0), in(row, 1)));
  }
  return answers;
}

}  // namespace fpgeom::python
