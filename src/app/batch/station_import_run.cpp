#include "app/batch/station_import_run.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "common/atomic_file.h"
#include "common/descriptor_stream.h"
#include "common/escaped_text.h"
#include "common/file_lock.h"
#include "common/readable_file.h"
#include "stations/data_folder.h"
#include "stations/station_directory.h"
#include "stations/station_file.h"
#include "stations/station_import.h"

namespace tremblo {

namespace fs = std::filesystem;

namespace {

// Refused lines shown one by one; the rest are counted.
constexpr std::size_t kRefusedShown = 5;

// Imports into the user's file take turns: each reads the file, merges its
// list and writes the file back, so one that read the file while another
// was merging would write over the other's new rows. The lock file lies
// beside the user's DATA folder, which it must not make (a DATA folder,
// even an empty one, is where the program then looks for its stations).
std::optional<FileLock> LockUsersStationFile(const std::string& target, std::ostream& err) {
    const fs::path base = fs::path(UserDataFolder()).parent_path();
    std::error_code ec;
    fs::create_directories(base, ec);
    const std::string lockPath = (base / "SITENAME.CSV.lock").string();
    std::string why;
    std::optional<FileLock> lock = FileLock::Acquire(lockPath, why, [&] {
        err << "note: waiting for another import into " << EscapedText(target) << '\n' << std::flush;
    });
    if (!lock)
        err << "error: cannot lock " << EscapedText(lockPath) << " to write " << EscapedText(target) << ": " << why << '\n';
    return lock;
}

// The file the import starts from: the user's own SITENAME.CSV; before
// there is one, the directory the program finds.
std::string ImportSource(const BatchOptions& options, const std::string& target) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec))) return target;
    return options.dataFolder.empty() ? StationFilePath(FindDataFolder(), "SITENAME.CSV")
                                      : (fs::path(options.dataFolder) / "SITENAME.CSV").string();
}

void ReportLines(const BatchOptions& options, const StationImportReport& report, const std::string& shownSource,
                 std::ostream& err) {
    const std::string listPath = EscapedText(options.importStations);
    for (std::size_t i = 0; i < report.refused.size() && i < kRefusedShown; ++i)
        err << listPath << ':' << report.refused[i].first << ": refused: " << report.refused[i].second << '\n';
    if (report.refused.size() > kRefusedShown)
        err << listPath << ": " << report.refused.size() - kRefusedShown << " more lines refused\n";
    if (report.notTaken > 0)
        err << "note: " << report.notTaken << " new stations not taken: " << shownSource << " holds " << report.rowsBefore
            << " rows and the program reads at most " << STATION_CAPACITY << '\n';
}

// Merges the list into the user's SITENAME.CSV (the lock held).
bool MergeIntoUsersFile(const BatchOptions& options, std::istream& list, const std::string& target,
                        std::ostream& err) {
    const std::string source = ImportSource(options, target);
    // The files as messages name them.
    const std::string listPath = EscapedText(options.importStations), shownSource = EscapedText(source),
                      shownTarget = EscapedText(target);
    std::string siteText, problem;
    if (!ReadStationFileBytes(source, siteText, problem)) {
        if (!problem.empty() || source == target) {
            err << "error: cannot read the station directory " << shownSource << '\n';
            return false;
        }
        err << "note: no station directory at " << shownSource << "; starting an empty one\n";
    }

    StationImportReport report;
    std::string merged;
    try {
        merged = MergeNiedStationList(list, siteText, report);
    } catch (const std::exception&) {
        err << "error: cannot read the station list " << listPath << '\n';
        return false;
    }
    ReportLines(options, report, shownSource, err);
    if (report.added + report.kept + report.notTaken == 0) {
        err << "error: no station could be taken from " << listPath << "; " << shownSource << " left as it was\n";
        return false;
    }

    const std::string folder = PrepareUserDataFolder(fs::path(source).parent_path().string());
    if (folder.empty() || !WriteFileAtomically(target, merged)) {
        err << "error: cannot write the station directory " << shownTarget << '\n';
        return false;
    }
    err << "stations: " << report.added << " added, " << report.kept << " kept, " << report.refused.size()
        << " refused, " << report.notTaken << " not taken; read " << listPath << " and " << shownSource << "; wrote "
        << shownTarget << '\n';
    return true;
}

}  // namespace

bool RunStationImport(const BatchOptions& options, std::ostream& err) {
    const std::string& listPath = options.importStations;
    OpenedFile opened = OpenFileToRead(listPath);
    if (opened.refusedFolder()) {
        err << "error: the station list " << EscapedText(listPath) << " is a folder\n";
        return false;
    }
    if (!opened) {
        err << "error: cannot read the station list " << EscapedText(listPath) << ": " << opened.why() << '\n';
        return false;
    }
    DescriptorStream list(opened.Release());
    const std::string target = (fs::path(UserDataFolder()) / "SITENAME.CSV").string();
    const std::optional<FileLock> lock = LockUsersStationFile(target, err);
    return lock && MergeIntoUsersFile(options, list, target, err);
}

}  // namespace tremblo
