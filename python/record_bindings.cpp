// read_record and read_records: records read as the batch reads them (its
// plan of the input, archives read member by member), handed back with
// numpy samples.
#include <optional>
#include <string>

#include "array_arguments.h"
#include "bindings.h"
#include "common/translation.h"
#include "record_reader.h"

namespace tremblo::python {
namespace {

// The words of the batch's --format, in the order of kAllRecordFormats.
const char* const kFormatWords[] = {"knet", "hiroshima", "cdpc", "peer", "cosmos",
                                    "csmip", "smc", "esm", "geonet", "knet-csv", "sac"};

std::optional<RecordFormat> FormatOf(const std::string& word) {
    if (word == "auto") return std::nullopt;
    for (std::size_t i = 0; i < std::size(kFormatWords); ++i)
        if (word == kFormatWords[i]) return kAllRecordFormats[i];
    std::string known = "auto";
    for (const char* w : kFormatWords) known += std::string(", ") + w;
    Refuse("format", TrText("python", "形式名が違います") + " ('" + word + "'; " + known + ")");
}

const char* FormatWord(RecordFormat format) {
    for (std::size_t i = 0; i < std::size(kFormatWords); ++i)
        if (kAllRecordFormats[i] == format) return kFormatWords[i];
    return "";
}

py::dict HeaderOf(const SeismicRecord& r, const LoadedRecord& loaded) {
    py::dict h;
    h["file"] = loaded.file;
    h["format"] = FormatWord(loaded.format);
    h["origin_date"] = r.originDate.str();
    h["origin_time"] = r.originTime.str();
    h["epicenter_lat"] = r.epicenterLat;
    h["epicenter_lon"] = r.epicenterLon;
    h["depth_km"] = r.depthKm;
    h["magnitude"] = r.magnitude;
    h["station_code"] = r.stationCode.str();
    h["station_lat"] = r.stationLat;
    h["station_lon"] = r.stationLon;
    h["station_height"] = r.stationHeight;
    h["record_date"] = r.recordDate.str();
    h["record_time"] = r.recordTime.str();
    h["duration"] = r.durationSeconds;
    h["scale_factor"] = r.scaleFactor;
    h["max_acc_text"] = r.maxAccText.str();
    h["last_correction"] = r.lastCorrection.str();
    h["memo"] = r.memo.str();
    h["sample_count"] = r.sampleCount;
    h["sampling_frequency"] = r.samplingFrequency;
    h["event_name"] = r.eventName;
    return h;
}

// The Python object of the record the reader holds (with the GIL).
py::object RecordObject(const LoadedRecord& loaded) {
    const SeismicRecord& r = *loaded.record;
    const int components = std::clamp(r.componentCount, 1, MAX_COMPONENTS);
    FloatArray acc({static_cast<py::ssize_t>(components), static_cast<py::ssize_t>(r.sampleCount)});
    py::list names, paths;
    for (int c = 0; c < components; ++c) {
        std::copy(r.samples[c].data(), r.samples[c].data() + r.sampleCount,
                  acc.mutable_data() + static_cast<std::size_t>(c) * r.sampleCount);
        names.append(r.componentLabel[c].str());
        paths.append(r.componentPath[c]);
    }
    py::object record = py::module_::import("types").attr("SimpleNamespace")();
    const py::dict header = HeaderOf(r, loaded);
    for (auto item : header) py::setattr(record, item.first, item.second);
    record.attr("header") = header;
    record.attr("acc") = acc;
    record.attr("dt") = r.dt;
    record.attr("components") = names;
    record.attr("component_paths") = paths;
    return record;
}

py::object ReadRecord(const std::string& path, const std::string& formatWord) {
    const std::optional<RecordFormat> format = FormatOf(formatWord);
    py::gil_scoped_release release;
    RecordReader reader(format);
    const LoadedRecord loaded = reader.ReadOne(path);
    py::gil_scoped_acquire acquire;
    return RecordObject(loaded);
}

// Every record, loaded without the GIL and handed over with it, one at a
// time (an event's records are not all held in the reader's buffers).
py::list ReadRecords(const std::string& path, const std::string& formatWord, bool skipUnreadable) {
    const std::optional<RecordFormat> format = FormatOf(formatWord);
    py::list records;
    auto take = [&](const LoadedRecord& loaded) {
        py::gil_scoped_acquire acquire;
        records.append(RecordObject(loaded));
    };
    auto warn = [](const std::string& text) {
        py::gil_scoped_acquire acquire;
        if (PyErr_WarnEx(PyExc_RuntimeWarning, text.c_str(), 1) != 0) throw py::error_already_set();
    };
    {
        py::gil_scoped_release release;
        RecordReader reader(format);
        if (skipUnreadable)
            reader.ReadAll(path, take, warn);
        else
            reader.ReadAll(path, take, {});
    }
    return records;
}

}  // namespace

void BindRecords(py::module_& m) {
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const FileProblem& problem) {
            PyErr_SetString(PyExc_OSError, problem.what());
        }
    });
    m.def("read_record", &ReadRecord, py::arg("path"), py::arg("format") = "auto",
          R"doc(Reads a record as tremblo-batch reads it.

path: one component file of the record (X.NS, X.NS.gz, an agency file), or a
record in an archive named as the batch names it, ARCHIVE:MEMBER or
ARCHIVE:INNER:MEMBER (by its first member); an archive of one record may be
given alone. format: "auto" (recognised from the content) or one of the
batch's --format words.

Returns an object with acc (float32, components x samples, gal, DC removed as
the batch removes it), dt (s), components (their names), component_paths, and
the header values both as attributes and as the dict header. Raises OSError
with the program's message when the record cannot be read.)doc");
    m.def("read_records", &ReadRecords, py::arg("path"), py::arg("format") = "auto", py::arg("skip_unreadable") = false,
          R"doc(Reads every record of a folder, an archive (an event as NIED delivers it) or a file, as tremblo-batch does.

Returns a list of the objects read_record returns, in the batch's order. A
record that cannot be read raises OSError with the program's message, or,
with skip_unreadable=True, gives a RuntimeWarning and is left out.)doc");
}

}  // namespace tremblo::python
