#pragma once
// Records read as tremblo-batch reads them: the batch's plan of the input
// (a record file, a folder, an archive), its tasks, and one session that
// loads them one after the other with the stations' names. Runs without
// the GIL; a record that cannot be read is a FileProblem (OSError).
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "pipeline/console_platform.h"
#include "pipeline/pipeline_settings.h"
#include "pipeline/record_task.h"
#include "record/record_session.h"
#include "stations/station_directory.h"

namespace tremblo::python {

// A record that cannot be read. Thrown while the GIL is released; the
// module's translator raises OSError with its text.
struct FileProblem : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The record the session holds after a load, with where it came from.
struct LoadedRecord {
    const SeismicRecord* record = nullptr;
    RecordFormat format = RecordFormat::Knet;
    std::string file;  // as the batch names it: the path, or ARCHIVE:MEMBER
};

class RecordReader {
public:
    explicit RecordReader(std::optional<RecordFormat> format);

    // The one record `path` names: a record file, ARCHIVE:MEMBER, or an
    // archive or folder holding one record.
    LoadedRecord ReadOne(const std::string& path);

    // Every record of `path` (a record file, a folder searched to any depth,
    // an archive, a list of files one a line), in the batch's order, each handed to `take` while it is loaded; a record that
    // cannot be read goes to `unreadable` with the batch's message (or
    // throws FileProblem when `unreadable` is empty). Returns how many were
    // handed to `take`.
    int ReadAll(const std::string& path, const std::function<void(const LoadedRecord&)>& take,
                const std::function<void(const std::string&)>& unreadable);

private:
    PipelineSettings OptionsFor(const std::string& input) const;
    LoadedRecord Load(const RecordTask& task, FolderListings& listings);

    std::optional<RecordFormat> format_;
    std::unique_ptr<StationDirectory> directory_ = std::make_unique<StationDirectory>();
    ConsolePlatform platform_;
    std::unique_ptr<RecordSession> session_;
};

}  // namespace tremblo::python
