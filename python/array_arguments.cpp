#include "array_arguments.h"
#include "common/translation.h"

#include <cmath>

namespace tremblo::python {

void Refuse(const char* name, const std::string& text) { throw py::value_error(std::string(name) + ": " + text); }

namespace {

// Real numbers only: float, signed and unsigned integers.
bool RealKind(char kind) { return kind == 'f' || kind == 'i' || kind == 'u'; }

FloatArray Float32Of(const py::handle& value, const char* name) {
    if (py::isinstance<FloatArray>(value)) return py::reinterpret_borrow<FloatArray>(value);
    py::array any;
    try {
        any = py::array::ensure(value);
    } catch (const py::error_already_set&) {
    }
    if (!any) Refuse(name, TrText("python", "数値の配列ではありません"));
    if (!RealKind(any.dtype().kind())) Refuse(name, TrText("python", "実数の型ではありません") + " (dtype " + std::string(py::str(any.dtype())) + ")");
    auto converted = py::array_t<float, py::array::c_style | py::array::forcecast>::ensure(any);
    return py::reinterpret_borrow<FloatArray>(converted);
}

}  // namespace

SampleRows SampleRowsOf(const py::handle& value, const char* name, int minRows, int maxRows) {
    FloatArray array = Float32Of(value, name);
    if (!array) Refuse(name, TrText("python", "float32 に変換できません"));
    SampleRows rows;
    if (array.ndim() == 1 && minRows == 1) {
        rows.rows = 1;
        rows.samples = static_cast<int>(std::min<py::ssize_t>(array.shape(0), INT32_MAX));
    } else if (array.ndim() == 2) {
        if (array.shape(0) < minRows || array.shape(0) > maxRows)
            Refuse(name, TrText("python", "行数が違います") + " (" + std::to_string(array.shape(0)) + " rows, " +
                             (minRows == maxRows ? std::to_string(minRows) : std::to_string(minRows) + " to " + std::to_string(maxRows)) +
                             " expected: components x samples)");
        rows.rows = static_cast<int>(array.shape(0));
        rows.samples = static_cast<int>(std::min<py::ssize_t>(array.shape(1), INT32_MAX));
    } else {
        Refuse(name, TrText("python", "次元数が違います") + " (" + std::to_string(array.ndim()) + " dimensions, " +
                         (minRows == 1 ? "1 (samples) or 2 (components x samples)" : "2 (components x samples)") +
                         " expected)");
    }
    const py::ssize_t count = array.ndim() == 1 ? array.shape(0) : array.shape(1);
    if (count == 0) Refuse(name, TrText("python", "サンプルがありません"));
    if (count > MAX_RECORD_SAMPLES) Refuse(name, TrText("python", "サンプル数が多すぎます") + " (more than " + std::to_string(MAX_RECORD_SAMPLES) + ")");
    rows.array = std::move(array);
    const float* data = rows.array.data();
    const std::size_t total = static_cast<std::size_t>(rows.rows) * rows.samples;
    for (std::size_t i = 0; i < total; ++i)
        if (!std::isfinite(data[i]))
            Refuse(name, TrText("python", "有限の数でない値があります") + " (row " + std::to_string(i / rows.samples) +
                             ", sample " + std::to_string(i % rows.samples) + ")");
    return rows;
}

float IntervalOf(double dt, const char* name) {
    if (!std::isfinite(dt) || dt <= 0.0) Refuse(name, TrText("python", "0 より大きい有限の数でなければなりません"));
    const float single = static_cast<float>(dt);
    if (!(single > 0.0f) || !std::isfinite(single)) Refuse(name, TrText("python", "float32 の範囲外です"));
    return single;
}

std::vector<double> PositiveValuesOf(const py::handle& value, const char* name, bool zeroAllowed) {
    py::array_t<double, py::array::c_style | py::array::forcecast> array;
    try {
        array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(value);
    } catch (const py::error_already_set&) {
    }
    if (!array) Refuse(name, TrText("python", "数値または数値の並びではありません"));
    if (array.ndim() > 1) Refuse(name, TrText("python", "数値または1次元の並びでなければなりません"));
    if (array.size() == 0) Refuse(name, TrText("python", "空です"));
    std::vector<double> values(array.data(), array.data() + array.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double v = values[i];
        if (!std::isfinite(v) || v < 0.0 || (v == 0.0 && !zeroAllowed))
            Refuse(name, (zeroAllowed ? TrText("python", "負でない有限の数でなければなりません")
                                      : TrText("python", "0 より大きい有限の数でなければなりません")) +
                             " (entry " + std::to_string(i) + ": " + std::to_string(v) + ")");
    }
    return values;
}

}  // namespace tremblo::python
