// The Python module `tremblo`: the core of TREMBLO for numpy arrays.
#include "bindings.h"

PYBIND11_MODULE(tremblo, m) {
    m.doc() = R"doc(TREMBLO's reading of strong-motion records and its computations for numpy.

Records are read as the batch reads them (read_record); response spectra,
RotD50/RotD100, the JMA instrumental intensity, Fourier amplitude spectra,
Konno-Ohmachi smoothing and the intensity measures are computed by the
program's own kernels, with the GIL released while they run.)doc";
    m.attr("__version__") = "4.2";
    tremblo::python::BindRecords(m);
    tremblo::python::BindSpectra(m);
    tremblo::python::BindMotion(m);
    tremblo::python::BindMeasures(m);
}
