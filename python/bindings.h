#pragma once
// The parts of the module, each adding its functions.
#include <pybind11/pybind11.h>

namespace tremblo::python {

void BindRecords(pybind11::module_& m);
void BindSpectra(pybind11::module_& m);
void BindMotion(pybind11::module_& m);
void BindMeasures(pybind11::module_& m);

}  // namespace tremblo::python
