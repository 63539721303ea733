// response_spectrum and rotd: the oscillators of the response spectra and of
// RotD50/RotD100 over numpy samples, with the batch's kernels.
#include <array>
#include <string>
#include <vector>

#include "array_arguments.h"
#include "common/translation.h"
#include "bindings.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/oscillator_peaks.h"
#include "spectrum/period_table.h"
#include "spectrum/pseudo_spectra.h"
#include "spectrum/rotd_fast.h"
#include "spectrum/rotd_table.h"
#include "spectrum/spectrum_fast.h"

namespace tremblo::python {
namespace {

OscillatorMethod MethodOf(const std::string& text) {
    const std::optional<OscillatorMethod> method = ParseOscillatorMethod(text);
    if (!method) Refuse("method", TrText("python", "newmark か exact を指定してください") + " ('" + text + "')");
    return *method;
}

// The periods asked for (the program's 200 by default), as float32, each one
// the oscillator takes at interval dt.
std::vector<float> PeriodsOf(const py::object& value, float dt) {
    std::vector<float> periods;
    if (value.is_none()) {
        const PeriodTable table = BuildPeriodTable();
        periods.assign(table.periods.begin(), table.periods.end());
    } else {
        for (double p : PositiveValuesOf(value, "periods")) periods.push_back(static_cast<float>(p));
    }
    if (const auto problem = IntervalProblem(dt)) Refuse("dt", *problem);
    for (std::size_t j = 0; j < periods.size(); ++j)
        if (const auto problem = PeriodProblem(periods[j], dt))
            Refuse("periods", *problem + " (entry " + std::to_string(j) + ")");
    return periods;
}

// Damping ratios from 0 up to (not including) 1, as float32.
std::vector<float> DampingsOf(const py::handle& value) {
    std::vector<float> ratios;
    for (double h : PositiveValuesOf(value, "damping", true)) {
        if (h >= 1.0) Refuse("damping", TrText("python", "減衰定数は 1 未満の比で指定します (5 % は 0.05)"));
        ratios.push_back(static_cast<float>(h));
    }
    return ratios;
}

// Spectra of one trace laid out damping x period, SA, SV, SD then PSA, PSV from SD.
struct SpectrumArrays {
    std::vector<float> values[5];
};

void StorePeaks(const std::vector<OscillatorPeaks>& peaks, const std::vector<OscillatorParameters>& oscillators,
                SpectrumArrays& out) {
    for (std::size_t i = 0; i < peaks.size(); ++i) {
        const float period = oscillators[i].period;
        out.values[0].push_back(peaks[i].absoluteAcc);
        out.values[1].push_back(peaks[i].relativeVel);
        out.values[2].push_back(peaks[i].relativeDisp);
        out.values[3].push_back(PseudoAcceleration(period, peaks[i].relativeDisp));
        out.values[4].push_back(PseudoVelocity(period, peaks[i].relativeDisp));
    }
}

const char* const kQuantityNames[5] = {"SA", "SV", "SD", "PSA", "PSV"};

// Threads of one call: all cores for 0 (or less), at most 1024.
int WorkersOf(int workers) { return workers <= 0 ? 0 : std::min(workers, 1024); }

py::object ResponseSpectrum(const py::object& acc, double dtValue, const py::object& periodsValue,
                            const py::object& dampingValue, const std::string& methodName, int workers) {
    const SampleRows rows = SampleRowsOf(acc, "acc", 1, MAX_COMPONENTS);
    const float dt = IntervalOf(dtValue);
    const OscillatorMethod method = MethodOf(methodName);
    const std::vector<float> periods = PeriodsOf(periodsValue, dt);
    const std::vector<float> dampings = DampingsOf(dampingValue);
    std::vector<OscillatorParameters> oscillators;
    for (float h : dampings)
        for (float t : periods) oscillators.push_back(OscillatorParameters{t, h});
    SpectrumArrays arrays;
    {
        py::gil_scoped_release release;
        for (int r = 0; r < rows.rows; ++r)
            StorePeaks(ComputeOscillatorListFast(rows.row(r), dt, oscillators, method, WorkersOf(workers)), oscillators,
                       arrays);
    }
    std::vector<py::ssize_t> shape{static_cast<py::ssize_t>(dampings.size()), static_cast<py::ssize_t>(periods.size())};
    if (rows.array.ndim() == 2) shape.insert(shape.begin(), rows.rows);
    py::object result = py::module_::import("types").attr("SimpleNamespace")();
    result.attr("periods") = ArrayOf(periods, {static_cast<py::ssize_t>(periods.size())});
    result.attr("damping") = ArrayOf(dampings, {static_cast<py::ssize_t>(dampings.size())});
    result.attr("method") = OscillatorMethodName(method);
    for (int q = 0; q < 5; ++q) result.attr(kQuantityNames[q]) = ArrayOf(arrays.values[q], shape);
    return result;
}

std::vector<int> PercentilesOf(const py::handle& value) {
    std::vector<int> percentiles;
    for (double p : PositiveValuesOf(value, "percentiles")) {
        if (p != 50.0 && p != 100.0) Refuse("percentiles", TrText("python", "求められるのは 50 (RotD50) と 100 (RotD100) だけです"));
        percentiles.push_back(static_cast<int>(p));
    }
    return percentiles;
}

py::object RotD(const py::object& nsValue, const py::object& ewValue, double dtValue, const py::object& periodsValue,
                const py::object& dampingValue, const py::object& percentilesValue, const std::string& methodName,
                int workers) {
    const SampleRows ns = SampleRowsOf(nsValue, "ns", 1, 1);
    const SampleRows ew = SampleRowsOf(ewValue, "ew", 1, 1);
    if (ns.samples != ew.samples)
        Refuse("ew", TrText("python", "ns とサンプル数が違います") + " (" + std::to_string(ew.samples) + ", ns " +
                         std::to_string(ns.samples) + ")");
    const float dt = IntervalOf(dtValue);
    const OscillatorMethod method = MethodOf(methodName);
    const std::vector<float> periods = PeriodsOf(periodsValue, dt);
    const std::vector<float> dampings = DampingsOf(dampingValue);
    if (dampings.size() != 1) Refuse("damping", TrText("python", "減衰定数は一つだけ指定します"));
    const std::vector<int> percentiles = PercentilesOf(percentilesValue);
    std::vector<OscillatorParameters> oscillators;
    for (float t : periods) oscillators.push_back(OscillatorParameters{t, dampings[0]});
    const std::size_t n = oscillators.size();
    // Peaks along the azimuths, quantity x period x azimuth.
    std::vector<float> peaks(SPECTRUM_QUANTITIES * n * ROTD_AZIMUTHS);
    std::vector<RotDValues> values(SPECTRUM_QUANTITIES * n);
    {
        py::gil_scoped_release release;
        ComputeAzimuthPeaksFast(ns.samples, dt, ns.row(0).data(), ew.row(0).data(), oscillators, {true, true, true},
                                [&](int index, int q, const std::array<float, ROTD_AZIMUTHS>& along) {
                                    const std::size_t at = static_cast<std::size_t>(q) * n + index;
                                    std::copy(along.begin(), along.end(), peaks.begin() + at * ROTD_AZIMUTHS);
                                    values[at] = SummarizeAzimuthPeaks(along);
                                },
                                WorkersOf(workers), method);
    }
    SpectrumArrays arrays;
    for (int percentile : percentiles)
        for (std::size_t j = 0; j < n; ++j) {
            auto pick = [&](int q) {
                const RotDValues& v = values[static_cast<std::size_t>(q) * n + j];
                return percentile == 50 ? v.rotd50 : v.rotd100;
            };
            arrays.values[0].push_back(pick(SA));
            arrays.values[1].push_back(pick(SV));
            arrays.values[2].push_back(pick(SD));
            arrays.values[3].push_back(PseudoAcceleration(periods[j], pick(SD)));
            arrays.values[4].push_back(PseudoVelocity(periods[j], pick(SD)));
        }
    const std::vector<py::ssize_t> shape{static_cast<py::ssize_t>(percentiles.size()), static_cast<py::ssize_t>(n)};
    py::object result = py::module_::import("types").attr("SimpleNamespace")();
    result.attr("periods") = ArrayOf(periods, {static_cast<py::ssize_t>(n)});
    result.attr("damping") = dampings[0];
    result.attr("percentiles") = ArrayOf(percentiles, {static_cast<py::ssize_t>(percentiles.size())});
    result.attr("method") = OscillatorMethodName(method);
    for (int q = 0; q < 5; ++q) result.attr(kQuantityNames[q]) = ArrayOf(arrays.values[q], shape);
    result.attr("azimuth_peaks") =
        ArrayOf(peaks, {SPECTRUM_QUANTITIES, static_cast<py::ssize_t>(n), static_cast<py::ssize_t>(ROTD_AZIMUTHS)});
    return result;
}

}  // namespace

void BindSpectra(py::module_& m) {
    m.def("response_spectrum", &ResponseSpectrum, py::arg("acc"), py::arg("dt"), py::arg("periods") = py::none(),
          py::arg("damping") = py::make_tuple(0.05), py::arg("method") = "newmark", py::arg("workers") = 0,
          R"doc(Response spectra of ground accelerations (gal) sampled every dt seconds.

acc: samples (1-D) or components x samples (up to 3 rows); float32 C-contiguous
arrays are read in place, others converted to float32 once.
periods: natural periods in seconds (default: the program's 200-period table,
0.05 s towards 10 s); damping: ratios of critical damping (0.05 for 5 %);
method: "newmark" (the linear-acceleration recurrence) or "exact" (the exact
response to the record taken as linear between samples); workers: threads
of the call, all cores for 0 (1 when records are shared out over threads:
the GIL is released while the oscillators run).

Returns an object with periods, damping, method and SA (gal), SV (kine),
SD (cm), PSA (gal), PSV (kine), float32 arrays damping x period (with a
leading component axis for 2-D acc): the batch's values for the same samples.)doc");
    m.def("rotd", &RotD, py::arg("ns"), py::arg("ew"), py::arg("dt"), py::arg("periods") = py::none(),
          py::arg("damping") = 0.05, py::arg("percentiles") = py::make_tuple(50, 100), py::arg("method") = "newmark",
          py::arg("workers") = 0,
          R"doc(RotD50 and RotD100 of two perpendicular horizontal components (gal).

The peak response along each azimuth 0 .. 179 degrees (a = cos NS + sin EW),
RotD50 their median and RotD100 their largest. percentiles: 50 and/or 100.
Returns an object with periods, damping, percentiles, method, SA, SV, SD, PSA,
PSV (float32, percentile x period; PSA and PSV from the RotD of SD) and
azimuth_peaks (SA, SV, SD x period x 180 azimuths). workers: as in
response_spectrum.)doc");
}

}  // namespace tremblo::python
