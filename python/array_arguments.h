#pragma once
// The arguments of the Python module: numpy arrays of samples taken as
// float32 C-contiguous rows (used in place when they already are, converted
// once otherwise), checked before any computation, and the results handed
// back as numpy arrays owning their buffers. Every refusal is a ValueError
// naming the argument.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <span>
#include <string>
#include <vector>

#include "record/seismic_record.h"

namespace tremblo::python {

namespace py = pybind11;
using FloatArray = py::array_t<float, py::array::c_style>;

// Rows of samples of one argument: a 1-D array is one row.
struct SampleRows {
    FloatArray array;  // keeps the samples alive
    int rows = 0;
    int samples = 0;
    std::span<const float> row(int r) const {
        return {array.data() + static_cast<std::size_t>(r) * samples, static_cast<std::size_t>(samples)};
    }
};

// Raises ValueError("name: text").
[[noreturn]] void Refuse(const char* name, const std::string& text);

// `value` as rows of float32 samples: a real-valued array (or sequence) of
// one dimension (when minRows is 1) or two (rows x samples) with minRows ..
// maxRows rows, at least one sample, every one finite.
SampleRows SampleRowsOf(const py::handle& value, const char* name, int minRows, int maxRows);

// A sampling interval: finite and above zero.
float IntervalOf(double dt, const char* name = "dt");

// A sequence of numbers (or a single number) as doubles, at least one, each
// finite and above zero unless `zeroAllowed`.
std::vector<double> PositiveValuesOf(const py::handle& value, const char* name, bool zeroAllowed = false);

// A new numpy array of the given shape owning a copy of `values`.
template <typename T>
py::array_t<T> ArrayOf(const std::vector<T>& values, std::vector<py::ssize_t> shape) {
    py::array_t<T> out(shape);
    std::copy(values.begin(), values.end(), out.mutable_data());
    return out;
}

}  // namespace tremblo::python
