#include "pipeline/record_plan.h"

#include <algorithm>
#include <map>

#include "input/archive_reader.h"
#include "record/format_detection.h"
#include "input/gzip_bytes.h"
#include "input/gzip_file_source.h"
#include "record/agency_record.h"
#include "record/channel_placement.h"
#include "record/record_identity.h"

namespace tremblo {

namespace {

InputKind KindOf(const std::string& file) {
    if (IsArchiveName(file)) return InputKind::Archive;
    return HasGzipExtension(file) ? InputKind::GzipFile : InputKind::File;
}

RecordFormat FormatOf(const PlannedRecord& record, FolderListings* listings) {
    if (record.kind == InputKind::File) return DetectRecordFormatOfFile(record.file);
    GzipFileSource source(listings);
    return DetectRecordFormatOfFile(LoadPathOf(record), source);
}

}  // namespace

std::string LoadPathOf(const PlannedRecord& record) {
    return record.kind == InputKind::GzipFile ? WithoutGzipExtension(record.file) : record.file;
}

int BatchWorkerCount(int jobs, const std::vector<PlannedRecord>& plan, int cores) {
    const std::size_t coreCount = static_cast<std::size_t>(std::max(cores, 1));
    const std::size_t asked = jobs > 0 ? static_cast<std::size_t>(jobs) : coreCount;
    std::size_t toLoad = 0;
    for (const PlannedRecord& record : plan) {
        if (record.kind == InputKind::Archive) return static_cast<int>(std::min(asked, coreCount));
        if (!record.sameAs) ++toLoad;
    }
    return static_cast<int>(std::clamp<std::size_t>(toLoad, 1, asked));
}

// Agency files of one station and event join the first file's record while
// their channels fit in one set of components; a file that would overflow
// it starts the next record of that station and event, so that the files a
// record stands for are exactly those its load reads.
class AgencyGroups {
public:
    // The index of the planned record `file` joins, if any; otherwise it
    // starts one at `index`.
    std::optional<std::size_t> Join(const std::string& identity, const std::vector<ChannelHeader>& channels,
                                    std::size_t index) {
        const auto it = open_.find(identity);
        if (it != open_.end()) {
            std::vector<ChannelHeader> joined = it->second.channels;
            joined.insert(joined.end(), channels.begin(), channels.end());
            if (!channels.empty() && SplitIntoComponentSets(joined).size() == 1) {
                it->second.channels = std::move(joined);
                return it->second.first;
            }
        }
        open_[identity] = Group{index, channels};
        return std::nullopt;
    }

private:
    struct Group {
        std::size_t first;
        std::vector<ChannelHeader> channels;
    };
    std::map<std::string, Group> open_;
};

std::vector<PlannedRecord> PlanRecords(const PipelineSettings& options, FolderListings* listings) {
    std::vector<PlannedRecord> plan;
    std::map<std::string, std::size_t> firstOfRecord;
    AgencyGroups agencyGroups;
    std::map<std::string, int> filesOfFolder;  // agency files planned, by folder
    for (const std::string& given : options.files) {
        PlannedRecord record;
        record.file = given;
        record.kind = KindOf(given);
        if (record.kind == InputKind::Archive) {  // its records are found as it is read
            plan.push_back(std::move(record));
            continue;
        }
        record.format = options.format ? *options.format : FormatOf(record, listings);
        int sets = 1;
        if (IsAgencyFormat(record.format) && record.kind == InputKind::File && options.threeComponents) {
            // The header is read once for the record's identity and sets.
            const std::vector<ChannelHeader> headers = AgencyChannelHeaders(record.file, record.format);
            record.sameAs = agencyGroups.Join(AgencyRecordIdentity(record.file, record.format, headers), headers, plan.size());
            if (!record.sameAs) sets = ComponentSetCount(headers);
            ++filesOfFolder[FolderPart(record.file)];
        } else {
            const auto [at, added] = firstOfRecord.emplace(
                RecordIdentity(LoadPathOf(record), record.format, options.threeComponents, listings), plan.size());
            if (!added) record.sameAs = at->second;
        }
        const RecordFormat format = record.format;
        plan.push_back(std::move(record));
        // A file holding several sets of components gives a record of each.
        for (int set = 1; set < sets; ++set)
            plan.push_back(PlannedRecord{JoinComponentSetPath(given, set), format, std::nullopt, InputKind::File, {}});
    }
    for (PlannedRecord& record : plan)
        if (record.sameAs && IsAgencyFormat(record.format) && record.kind == InputKind::File) {
            PlannedRecord& first = plan[*record.sameAs];
            if (first.componentFiles.empty()) first.componentFiles.push_back(first.file);
            first.componentFiles.push_back(record.file);
        }
    // A record alone among several files of its folder in the plan: the
    // other files are planned records of their own, not its components, and
    // its load need not look through the folder.
    for (PlannedRecord& record : plan)
        if (!record.sameAs && record.componentFiles.empty() && IsAgencyFormat(record.format) &&
            record.kind == InputKind::File && options.threeComponents && filesOfFolder[FolderPart(record.file)] > 1 &&
            !SplitComponentSetPath(record.file))
            record.componentFiles.push_back(record.file);
    return plan;
}

}  // namespace tremblo
