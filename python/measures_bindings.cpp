// measures: the intensity measures of numpy samples as the batch's
// --measures gives them, the rotated peaks of the horizontal motion included.
#include <cmath>
#include <memory>
#include <optional>
#include <string>

#include "array_arguments.h"
#include "array_record.h"
#include "bindings.h"
#include "common/translation.h"
#include "spectrum/record_measures.h"

namespace tremblo::python {
namespace {

py::object Optional(const std::optional<double>& value) {
    return value ? py::object(py::float_(*value)) : py::object(py::none());
}

py::object TextOrNone(const std::string& text) { return text.empty() ? py::object(py::none()) : py::object(py::str(text)); }

py::dict ComponentDict(const ComponentMeasures& m) {
    const TimeDomainMeasures& time = m.time;
    py::dict d;
    d["arias_intensity"] = time.ariasIntensity;
    d["t5"] = Optional(time.durations.t5);
    d["t75"] = Optional(time.durations.t75);
    d["t95"] = Optional(time.durations.t95);
    d["d5_75"] = Optional(time.durations.d5_75);
    d["d5_95"] = Optional(time.durations.d5_95);
    d["cav"] = time.cumulative.cav;
    d["cav5"] = time.cumulative.cav5;
    d["cav_std"] = Optional(time.cumulative.cavStd);
    d["bracketed_duration"] = Optional(time.bracketed);
    d["housner_si"] = m.spectrum ? py::object(py::float_(m.spectrum->housner)) : py::object(py::none());
    d["si"] = m.spectrum ? py::object(py::float_(m.spectrum->si)) : py::object(py::none());
    return d;
}

// pga_rotd50 ... pgd_rotd100, None for a record without two horizontal components.
void AddRotatedPeaks(py::dict& out, const std::optional<RotatedPeaks>& peaks) {
    const struct {
        const char* name;
        RotDValues RotatedPeaks::*values;
    } quantities[] = {{"pga", &RotatedPeaks::acceleration},
                      {"pgv", &RotatedPeaks::velocity},
                      {"pgd", &RotatedPeaks::displacement}};
    for (const auto& q : quantities) {
        const std::string name(q.name);
        out[(name + "_rotd50").c_str()] = peaks ? py::object(py::float_(((*peaks).*q.values).rotd50)) : py::object(py::none());
        out[(name + "_rotd100").c_str()] = peaks ? py::object(py::float_(((*peaks).*q.values).rotd100)) : py::object(py::none());
    }
}

std::optional<int> StartOf(const py::object& value) {
    if (value.is_none()) return std::nullopt;
    if (py::isinstance<py::str>(value) && value.cast<std::string>() == "auto") return std::nullopt;
    // Any whole number (a numpy integer too), not a bool.
    if (!PyIndex_Check(value.ptr()) || py::isinstance<py::bool_>(value))
        Refuse("start", TrText("python", "\"auto\" かサンプル番号（0 以上の整数）を指定してください"));
    int overflow = 0;
    const long long start = PyLong_AsLongLongAndOverflow(py::int_(value).ptr(), &overflow);
    if (overflow != 0 || (start == -1 && PyErr_Occurred())) PyErr_Clear();
    if (overflow != 0 || start < 0 || start > MAX_RECORD_SAMPLES)
        Refuse("start", TrText("python", "開始位置がサンプルの範囲外です") + " (" + std::to_string(start) + ")");
    return static_cast<int>(start);
}

py::dict Measures(const py::object& acc3, double dtValue, double bracketThresholdG, const py::object& startValue,
                  double spanSeconds) {
    const SampleRows rows = SampleRowsOf(acc3, "acc3", 1, MAX_COMPONENTS);
    const float dt = IntervalOf(dtValue);
    if (!std::isfinite(bracketThresholdG) || bracketThresholdG <= 0.0)
        Refuse("bracket_threshold_g", TrText("python", "0 より大きい有限の数でなければなりません"));
    const WindowChoice window{StartOf(startValue), SpanIndexOf(spanSeconds)};
    if (window.start && *window.start > rows.samples)
        Refuse("start", TrText("python", "開始位置がサンプルの範囲外です") + " (" + std::to_string(*window.start) + ", " +
                            std::to_string(rows.samples) + " samples)");
    RecordMeasureSettings settings;
    settings.bracketThresholdG = bracketThresholdG;
    settings.workers = 0;
    RecordMeasures measures;
    int windowStart = 0, windowLength = 0;
    {
        py::gil_scoped_release release;
        const std::unique_ptr<SeismicRecord> record = RecordOfRows(rows, dt, window);
        measures = ComputeRecordMeasures(*record, settings);
        windowStart = record->windowStart;
        windowLength = record->windowLength;
    }
    py::list components;
    for (int c = 0; c < measures.componentCount; ++c) components.append(ComponentDict(measures.components[c]));
    py::dict out;
    out["components"] = components;
    out["bracket_threshold_g"] = bracketThresholdG;
    out["horizontal_si"] = measures.horizontalSi ? py::object(py::float_(measures.horizontalSi->si)) : py::object(py::none());
    out["horizontal_si_azimuth"] =
        measures.horizontalSi ? py::object(py::int_(measures.horizontalSi->azimuth)) : py::object(py::none());
    AddRotatedPeaks(out, measures.rotatedPeaks);
    out["window_start"] = windowStart;
    out["window_length"] = windowLength;
    out["spectrum_problem"] = TextOrNone(measures.spectrumProblem);
    out["horizontal_problem"] = TextOrNone(measures.horizontalProblem);
    return out;
}

}  // namespace

void BindMeasures(py::module_& m) {
    m.def("measures", &Measures, py::arg("acc3"), py::arg("dt"), py::arg("bracket_threshold_g") = DEFAULT_BRACKET_THRESHOLD_G,
          py::arg("start") = "auto", py::arg("span") = 50.0,
          R"doc(The intensity measures of up to three components (gal), as tremblo-batch --measures.

Per component (dict in "components"), over every sample: arias_intensity
(m/s), t5, t75, t95, d5_75, d5_95 (s), cav, cav5, cav_std (cm/s),
bracketed_duration (s), housner_si (cm) and si (cm/s, 0.1 to 2.5 s at 20 %);
None where there is no value. With two rows or more, the first two taken as
NS and EW: horizontal_si (the largest SI value over the azimuths, cm/s) and
horizontal_si_azimuth (degrees), and RotD50/RotD100 of the peaks:
pga_rotd50, pga_rotd100 (gal, every sample), pgv_rotd50, pgv_rotd100 (cm/s),
pgd_rotd50, pgd_rotd100 (cm), the last four over the waveform window the
batch takes: start ("auto", the first strong motion, or a sample number, as
--start) and span (seconds: 5, 10, 25, 50, 100 or 250, as --span), reported
as window_start and window_length (samples). spectrum_problem and
horizontal_problem say why values are None.)doc");
}

}  // namespace tremblo::python
