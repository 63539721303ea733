// read_record: a record read as the batch reads it (its plan of the file,
// archives read member by member), handed back with numpy samples.
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "array_arguments.h"
#include "common/translation.h"
#include "bindings.h"
#include "pipeline/console_platform.h"
#include "pipeline/record_feed.h"
#include "pipeline/record_plan.h"
#include "record/record_session.h"
#include "stations/data_folder.h"
#include "stations/station_directory.h"

namespace tremblo::python {
namespace {

// The words of the batch's --format, in the order of kAllRecordFormats.
const char* const kFormatWords[] = {"knet", "hiroshima", "cdpc", "peer", "cosmos",
                                    "csmip", "smc", "esm", "geonet", "knet-csv"};

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

// A record that cannot be read: OSError in Python. Thrown while the GIL is
// released; the translator raises it once the GIL is back.
struct FileProblem : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void FileError(const std::string& text) { throw FileProblem(text); }

// The file the batch is given for `path`: the path itself when it is there,
// otherwise the archive that the part before a colon names
// (ARCHIVE:MEMBER, ARCHIVE:INNER:MEMBER).
std::string InputFileOf(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return path;
    for (std::size_t colon = path.find(':'); colon != std::string::npos; colon = path.find(':', colon + 1)) {
        const std::string prefix = path.substr(0, colon);
        if (!prefix.empty() && std::filesystem::is_regular_file(prefix, ec)) return prefix;
    }
    return path;  // the batch's own message says what is wrong with it
}

// The task of the record `path` names, as the batch would hand it to a worker.
RecordTask TaskOf(const std::string& path, const PipelineSettings& options, FolderListings& listings) {
    const std::vector<PlannedRecord> plan = PlanRecords(options, &listings);
    std::vector<RecordTask> tasks;
    FeedRecords(options, plan, &listings, [&](RecordTask task) { tasks.push_back(std::move(task)); });
    const bool member = options.files[0] != path;
    for (RecordTask& task : tasks)
        if (!member || task.file == path) return std::move(task);
    if (member) FileError(path + ": " + TrText("python", "アーカイブにこの名前の記録がありません（記録は最初のメンバーの名前で呼ばれます）"));
    FileError(path + ": " + TrText("python", "記録がありません"));
}

struct LoadedRecord {
    std::unique_ptr<StationDirectory> directory = std::make_unique<StationDirectory>();
    ConsolePlatform platform;
    std::unique_ptr<RecordSession> session;
    RecordFormat format = RecordFormat::Knet;
    std::string file;
};

void LoadRecord(const std::string& path, const std::optional<RecordFormat>& format, LoadedRecord& loaded) {
    PipelineSettings options;
    options.files = {InputFileOf(path)};
    options.format = format;
    FolderListings listings;
    RecordTask task = TaskOf(path, options, listings);
    if (!task.failure.empty()) FileError(task.file + ": " + task.failure);
    // Station names, as the batch has them (the header's values only).
    ConsolePlatform quiet;
    LoadStationDirectory(FindDataFolder(), *loaded.directory, quiet);
    loaded.session = std::make_unique<RecordSession>(loaded.platform, *loaded.directory);
    loaded.session->setFolderListings(&listings);
    loaded.session->setFileSource(task.source.get());
    const LoadStatus status = loaded.session->LoadPath(
        task.loadPath, LoadSettings{task.format, options.threeComponents, options.removeDc});
    loaded.session->setFileSource(nullptr);
    loaded.session->setFolderListings(nullptr);
    std::string messages;
    for (const std::string& m : loaded.platform.TakeMessages()) messages += (messages.empty() ? "" : " / ") + m;
    if (status != LoadStatus::Loaded) FileError(task.file + ": " + (messages.empty() ? TrText("batch", "読み込めません") : messages));
    loaded.format = task.format;
    loaded.file = task.file;
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

py::object ReadRecord(const std::string& path, const std::string& formatWord) {
    const std::optional<RecordFormat> format = FormatOf(formatWord);
    LoadedRecord loaded;
    {
        py::gil_scoped_release release;
        LoadRecord(path, format, loaded);
    }
    const SeismicRecord& r = loaded.session->record();
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
}

}  // namespace tremblo::python
