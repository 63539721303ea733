#include "record_reader.h"

#include <filesystem>
#include <vector>

#include "common/translation.h"
#include "pipeline/event_input.h"
#include "pipeline/record_feed.h"
#include "pipeline/record_plan.h"
#include "stations/data_folder.h"

namespace tremblo::python {

namespace {

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

}  // namespace

RecordReader::RecordReader(std::optional<RecordFormat> format) : format_(format) {
    // Station names, as the batch has them (the header's values only).
    ConsolePlatform quiet;
    LoadStationDirectory(FindDataFolder(), *directory_, quiet);
    session_ = std::make_unique<RecordSession>(platform_, *directory_);
}

PipelineSettings RecordReader::OptionsFor(const std::string& input) const {
    PipelineSettings options;
    options.files = {input};
    options.format = format_;
    return options;
}

LoadedRecord RecordReader::Load(const RecordTask& task, FolderListings& listings) {
    if (!task.failure.empty()) FileError(task.file + ": " + task.failure);
    const PipelineSettings options = OptionsFor(task.file);
    session_->setFolderListings(&listings);
    session_->setFileSource(task.source.get());
    const LoadStatus status =
        session_->LoadPath(task.loadPath, LoadSettings{task.format, options.threeComponents, options.removeDc});
    session_->setFileSource(nullptr);
    session_->setFolderListings(nullptr);
    std::string messages;
    for (const std::string& m : platform_.TakeMessages()) messages += (messages.empty() ? "" : " / ") + m;
    if (status != LoadStatus::Loaded)
        FileError(task.file + ": " + (messages.empty() ? TrText("batch", "読み込めません") : messages));
    return LoadedRecord{&session_->record(), task.format, task.file};
}

LoadedRecord RecordReader::ReadOne(const std::string& path) {
    const PipelineSettings options = OptionsFor(InputFileOf(path));
    FolderListings listings;
    const std::vector<PlannedRecord> plan = PlanRecords(options, &listings);
    std::vector<RecordTask> tasks;
    FeedRecords(options, plan, &listings, [&](RecordTask task) { tasks.push_back(std::move(task)); });
    const bool member = options.files[0] != path;
    for (const RecordTask& task : tasks)
        if (!member || task.file == path) return Load(task, listings);
    if (member) FileError(path + ": " + TrText("python", "アーカイブにこの名前の記録がありません（記録は最初のメンバーの名前で呼ばれます）"));
    FileError(path + ": " + TrText("python", "記録がありません"));
}

int RecordReader::ReadAll(const std::string& path, const std::function<void(const LoadedRecord&)>& take,
                          const std::function<void(const std::string&)>& unreadable) {
    // A folder is searched as the event window searches it; an archive or a
    // record file is taken as it is.
    const EventInput input = EventInputOf(path);
    if (!input.error.empty()) FileError(input.error);
    PipelineSettings options = OptionsFor(path);
    options.files = input.files;
    FolderListings listings;
    const std::vector<PlannedRecord> plan = PlanRecords(options, &listings);
    int taken = 0;
    // Each archive member's task holds the member's bytes: loaded as it comes.
    FeedRecords(options, plan, &listings, [&](RecordTask task) {
        if (!task.sameAs.empty()) return;
        try {
            take(Load(task, listings));
            ++taken;
        } catch (const FileProblem& problem) {
            if (!unreadable) throw;
            unreadable(problem.what());
        }
    });
    return taken;
}

}  // namespace tremblo::python
