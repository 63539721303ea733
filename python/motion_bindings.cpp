// jma_intensity, fourier_amplitude and konno_ohmachi: the program's
// computations on the motion of numpy samples.
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "array_arguments.h"
#include "common/translation.h"
#include "bindings.h"
#include "fourier/fourier_amplitude.h"
#include "fourier/konno_ohmachi.h"
#include "wave/jma_intensity.h"

namespace tremblo::python {
namespace {

py::dict JmaIntensity(const py::object& acc3, double dtValue) {
    const SampleRows rows = SampleRowsOf(acc3, "acc3", 3, 3);
    const float dt = IntervalOf(dtValue);
    std::optional<Result<tremblo::JmaIntensity>> result;
    {
        py::gil_scoped_release release;
        result.emplace(ComputeJmaIntensity(rows.row(0), rows.row(1), rows.row(2), dt));
    }
    if (!result->ok()) Refuse("acc3", result->error().message);
    const tremblo::JmaIntensity& value = result->value();
    py::dict out;
    out["raw"] = value.raw;
    out["reported"] = value.reported;
    out["class"] = value.className;
    return out;
}

py::tuple Fourier(const py::object& acc, double dtValue, bool taper) {
    const SampleRows rows = SampleRowsOf(acc, "acc", 1, MAX_COMPONENTS);
    const float dt = IntervalOf(dtValue);
    std::vector<FourierAmplitude> spectra(static_cast<std::size_t>(rows.rows));
    bool ok = true;
    {
        py::gil_scoped_release release;
        for (int r = 0; r < rows.rows && ok; ++r) ok = ComputeFourierAmplitude(rows.row(r), dt, taper, spectra[r]);
    }
    if (!ok) throw std::bad_alloc();
    const std::size_t bins = spectra[0].amplitude.size();
    std::vector<double> frequencies(bins), amplitudes;
    for (std::size_t k = 0; k < bins; ++k) frequencies[k] = spectra[0].Frequency(static_cast<int>(k));
    for (const FourierAmplitude& s : spectra) amplitudes.insert(amplitudes.end(), s.amplitude.begin(), s.amplitude.end());
    std::vector<py::ssize_t> shape{static_cast<py::ssize_t>(bins)};
    if (rows.array.ndim() == 2) shape.insert(shape.begin(), rows.rows);
    return py::make_tuple(ArrayOf(frequencies, {static_cast<py::ssize_t>(bins)}), ArrayOf(amplitudes, shape));
}

// The frequency grid: a step df, or the frequencies k df themselves from 0.
void CheckFrequencyGrid(const py::object& value, std::size_t bins) {
    const std::vector<double> f = PositiveValuesOf(value, "freq_or_df", true);
    if (f.size() == 1) {
        if (f[0] <= 0.0) Refuse("freq_or_df", TrText("python", "周波数の刻みは 0 より大きくなければなりません"));
        return;
    }
    if (f.size() != bins)
        Refuse("freq_or_df", TrText("python", "周波数と振幅の数が違います") + " (" + std::to_string(f.size()) + ", " +
                                   std::to_string(bins) + ")");
    const double df = f[1];
    if (f[0] != 0.0 || !(df > 0.0)) Refuse("freq_or_df", TrText("python", "周波数は 0, df, 2 df, ... でなければなりません"));
    for (std::size_t k = 2; k < f.size(); ++k)
        if (std::abs(f[k] - k * df) > 1e-9 * k * df)
            Refuse("freq_or_df", TrText("python", "周波数は 0, df, 2 df, ... でなければなりません") + " (entry " +
                                       std::to_string(k) + ")");
}

py::array_t<double> KonnoOhmachi(const py::object& freq, const py::object& amplitude, double b) {
    py::array_t<double, py::array::c_style | py::array::forcecast> in;
    try {
        in = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(amplitude);
    } catch (const py::error_already_set&) {
    }
    if (!in || (in.ndim() != 1 && in.ndim() != 2)) Refuse("amplitude", TrText("python", "1次元のスペクトルか、スペクトル×周波数の配列を指定してください"));
    const py::ssize_t count = in.ndim() == 1 ? 1 : in.shape(0);
    const py::ssize_t bins = in.shape(in.ndim() - 1);
    if (bins < 2 || count < 1) Refuse("amplitude", TrText("python", "周波数が二つ以上必要です"));
    for (py::ssize_t i = 0; i < in.size(); ++i)
        if (!std::isfinite(in.data()[i])) Refuse("amplitude", TrText("python", "有限の数でない値があります") + " (entry " + std::to_string(i) + ")");
    CheckFrequencyGrid(freq, static_cast<std::size_t>(bins));
    if (!std::isfinite(b) || b <= 0.0) Refuse("b", TrText("python", "0 より大きい有限の数でなければなりません"));
    py::array_t<double> out(std::vector<py::ssize_t>(in.shape(), in.shape() + in.ndim()));
    std::vector<std::span<const double>> spectra;
    std::vector<std::span<double>> smoothed;
    for (py::ssize_t r = 0; r < count; ++r) {
        spectra.emplace_back(in.data() + r * bins, static_cast<std::size_t>(bins));
        smoothed.emplace_back(out.mutable_data() + r * bins, static_cast<std::size_t>(bins));
    }
    {
        py::gil_scoped_release release;
        SmoothKonnoOhmachi(spectra, b, smoothed);
    }
    return out;
}

}  // namespace

void BindMotion(py::module_& m) {
    m.def("jma_intensity", &JmaIntensity, py::arg("acc3"), py::arg("dt"),
          R"doc(The JMA instrumental seismic intensity of three components (gal), 3 x samples.

Returns a dict: raw (I as computed), reported (rounded to two decimals, then
cut to one) and class ("0" ... "7", "5弱" ...). A record shorter than 0.3 s or
without motion raises ValueError with the program's reason.)doc");
    m.def("fourier_amplitude", &Fourier, py::arg("acc"), py::arg("dt"), py::arg("taper") = false,
          R"doc(Fourier amplitude spectrum A(f_k) = dt |sum x_n exp(-2 pi i k n / N)|, k = 0 .. N/2.

N is the power of two at or above the length (zero padding); taper: a 5 %
cosine taper at each end first. acc: samples or components x samples (gal).
Returns (frequencies in Hz, amplitudes in gal s), float64.)doc");
    m.def("konno_ohmachi", &KonnoOhmachi, py::arg("freq_or_df"), py::arg("amplitude"), py::arg("b") = 40.0,
          R"doc(Konno-Ohmachi smoothing of spectra on the grid f_k = k df, k = 0 .. M.

freq_or_df: the step df, or the frequencies 0, df, 2 df, ...; amplitude: one
spectrum or spectra x frequencies; b: the bandwidth (40). The value at f = 0
is kept. Returns the smoothed spectra (float64, the shape of amplitude).)doc");
}

}  // namespace tremblo::python
