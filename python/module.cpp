// The Python module `tremblo`: the core of TREMBLO for numpy arrays.
#include <cstdlib>
#include <string>

#include "bindings.h"
#include "module_language.h"

namespace {

// TREMBLO_LANG as the programs read it: en or ja; another word is passed over
// with a warning.
void TakeLanguageFromEnvironment() {
    const char* chosen = std::getenv("TREMBLO_LANG");
    if (chosen == nullptr || *chosen == '\0') return;
    if (!tremblo::python::SetModuleLanguage(chosen)) {
        const std::string warning = std::string("TREMBLO_LANG=") + chosen + ": not en or ja, passed over";
        if (PyErr_WarnEx(PyExc_RuntimeWarning, warning.c_str(), 1) != 0) throw pybind11::error_already_set();
    }
}

}  // namespace

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
    m.def(
        "set_language",
        [](const std::string& language) {
            if (!tremblo::python::SetModuleLanguage(language))
                throw pybind11::value_error("language: '" + language + "': en or ja");
        },
        pybind11::arg("language"),
        R"doc(The language of the messages the module raises: "ja" (Japanese, as the
programs speak by default) or "en" (English). TREMBLO_LANG=en in the
environment when the module is imported chooses English too.)doc");
    m.def("language", &tremblo::python::ModuleLanguage, "The language of the messages: \"ja\" or \"en\".");
    TakeLanguageFromEnvironment();
}
