// The loading session's branch for the agency formats: the chosen file is
// read whole; when it does not hold a full set of components, the files
// beside it that state the same station and event (or, stating neither,
// carry the same name stem) are read too. Components are placed in rows by
// their orientation and must share one sampling interval and length.
#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/path_text.h"
#include "common/shift_jis.h"
#include "common/translation.h"
#include "record/acceleration_units.h"
#include "record/agency_reading.h"
#include "record/agency_record.h"
#include "record/channel_placement.h"
#include "record/component_names.h"
#include "record/record_messages.h"
#include "record/record_session.h"
#include "record/wait_window.h"

namespace tremblo {

namespace {

constexpr const char* kDifferentLengthsFormat = QT_TRANSLATE_NOOP("record", "%s と %s のデータ数が異なります（%d 個と %d 個）");
constexpr const char* kOtherSetsFormat = QT_TRANSLATE_NOOP(
    "record", "%s には成分の組が %d 組あります（地表と地中など）。1 組目を読み込みました。\n2〜%d 組目はイベント一覧（ファイル → イベントのフォルダを開く...）で、また tremblo-batch では %s#2 のように組の番号を付けた名前で読み込めます");
constexpr const char* kUnreadFilesFormat = QT_TRANSLATE_NOOP(
    "record", "同じ観測点と地震のファイルがほかに %d 個ありますが、3 成分がそろったため読み込んでいません:%s");
constexpr const char* kOtherSetsCaption = QT_TRANSLATE_NOOP("record", "成分の組");
constexpr const char* kNoComponentsFormat = QT_TRANSLATE_NOOP("record", "データファイル %s には加速度の成分がありません");
constexpr const char* kWhichUnitFormat = QT_TRANSLATE_NOOP(
    "record", "%s は値の単位を示していません（SAC の IDEP が未定義か IUNKN）。値の単位を選んでください（同じ記録のほかの成分にも使います）");
constexpr const char* kWhichUnitCaption = QT_TRANSLATE_NOOP("record", "値の単位");

// A file's channels and where they came from.
struct ReadFile {
    std::string path;
    AgencyFile content;
};

std::vector<ChannelHeader> HeadersOf(const std::vector<ReadFile>& files) {
    std::vector<ChannelHeader> headers;
    for (const ReadFile& file : files)
        for (const AgencyChannel& channel : file.content.channels) headers.push_back(channel.header);
    return headers;
}

bool SameInterval(double a, double b) { return std::fabs(a - b) <= 1e-6 * std::max(std::fabs(a), std::fabs(b)); }

bool StatesItsUnit(RecordFormat format, std::istream& in) {
    const Result<AgencyFile> header = ReadAgencyFile(format, in, HeaderOnlyReading());
    if (!header) return true;  // the full read says what is wrong
    for (const AgencyChannel& channel : header.value().channels)
        if (channel.unitUnstated) return false;
    return true;
}

}  // namespace

// The unit of the values of `path` when its file does not state one: the
// caller's (the batch's --units), else the user's answer. Nothing when the
// file states it or the user cancels (the console platform always does):
// reading then refuses the file with a message that says why.
std::optional<double> RecordSession::UnitOfValues(const std::string& path, RecordFormat format,
                                                  const LoadSettings& settings) {
    if (settings.galPerUnstatedUnit || format != RecordFormat::Sac) return settings.galPerUnstatedUnit;
    const std::unique_ptr<std::istream> in = source_->Open(path);
    if (!in || StatesItsUnit(format, *in)) return std::nullopt;
    std::vector<std::string> names;
    for (const AccelerationUnit& unit : AccelerationUnits()) names.emplace_back(unit.name);
    const std::optional<int> chosen =
        platform_.AskChoice(StringPrintf(TrText("record", kWhichUnitFormat).c_str(), source_->Shown(path).c_str()),
                            TrText("record", kWhichUnitCaption), names);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(names.size())) return std::nullopt;
    return AccelerationUnits()[static_cast<std::size_t>(*chosen)].galPerUnit;
}

// The key the chosen file's record is known by, and whether a file beside it
// belongs to that record (same format and key; by name stem when the files
// state neither station nor event).
bool RecordSession::BelongsWith(const std::string& chosen, const std::string& key, RecordFormat format,
                                const std::string& candidate) {
    const std::unique_ptr<std::istream> head = source_->Open(candidate);
    if (!head) return false;
    const std::optional<RecordFormat> detected = DetectAgencyFormatOfStream(*head);
    if (detected != format) return false;
    const std::unique_ptr<std::istream> in = source_->Open(candidate);
    if (!in) return false;
    const Result<AgencyFile> header = ReadAgencyFile(format, *in, HeaderOnlyReading());
    if (!header || header.value().channels.empty()) return false;
    const std::string own = ComponentGroupKey(format, header.value().channels.front().header);
    if (!key.empty() || !own.empty()) return own == key;
    return ComponentNameStem(FileNamePart(candidate)) == ComponentNameStem(FileNamePart(chosen));
}

std::optional<AgencyReadOptions> RecordSession::AgencyOptions(const std::string& chosen, RecordFormat format,
                                                              const LoadSettings& settings) {
    AgencyReadOptions options;
    options.galPerUnstatedUnit = UnitOfValues(chosen, format, settings);
    options.differentiateVelocity = settings.differentiateVelocity;
    if (format != RecordFormat::Mseed) return options;
    inventory_ = settings.findInventory ? inventoryFinder_.For(chosen, platform_, settings.inventory) : settings.inventory;
    if (inventory_ && !*inventory_) {
        ReportBadContent(chosen, inventory_->error());
        return std::nullopt;
    }
    if (inventory_) options.inventory = &inventory_->value();
    return options;
}

bool RecordSession::LoadAgency(const std::string& chosen, RecordFormat format, const LoadSettings& settings) {
    SeismicRecord& r = *staged_;
    const std::optional<AgencyReadOptions> readOptions = AgencyOptions(chosen, format, settings);
    if (!readOptions) return false;
    WaitWindow wait(platform_, TrText("record", messages::kWaitLoading));
    std::vector<ReadFile> files;
    std::vector<std::string> unread;
    {
        const std::unique_ptr<std::istream> in = source_->Open(chosen);
        if (!in) return ReportCannotOpen(chosen);
        Result<AgencyFile> read = ReadAgencyFile(format, *in, *readOptions);
        if (!read) return ReportBadContent(chosen, read.error());
        if (read.value().channels.empty())
            return ReportBadContent(chosen, ReadError{0, StringPrintf(TrText("record", kNoComponentsFormat).c_str(),
                                                                      source_->Shown(chosen).c_str())});
        files.push_back(ReadFile{chosen, std::move(read.value())});
    }
    // A miniSEED file of several sensors is a file of several records.
    const bool severalSensors = format == RecordFormat::Mseed && SplitIntoComponentSets(HeadersOf(files)).size() > 1;
    if (settings.threeComponents && !FirstSetIsFull(HeadersOf(files)) && !severalSensors) {
        const std::string key = ComponentGroupKey(format, files.front().content.channels.front().header);
        for (const std::string& candidate : source_->FilesBeside(chosen)) {
            if (!BelongsWith(chosen, key, format, candidate)) continue;
            // Files of the same station and event beyond a full set are
            // said, never silently left out.
            if (FirstSetIsFull(HeadersOf(files))) {
                unread.push_back(source_->Shown(candidate));
                continue;
            }
            const std::unique_ptr<std::istream> in = source_->Open(candidate);
            if (!in) return ReportCannotOpen(candidate);
            Result<AgencyFile> read = ReadAgencyFile(format, *in, *readOptions);
            if (!read) return ReportBadContent(candidate, read.error());
            files.push_back(ReadFile{candidate, std::move(read.value())});
        }
    }

    // Every channel with its file, then the first set of components.
    std::vector<const AgencyChannel*> channels;
    std::vector<const std::string*> pathOf;
    for (const ReadFile& file : files)
        for (const AgencyChannel& channel : file.content.channels) {
            channels.push_back(&channel);
            pathOf.push_back(&file.path);
        }
    const std::vector<ChannelHeader> headers = HeadersOf(files);
    const std::vector<std::vector<std::size_t>> sets =
        settings.threeComponents ? SplitIntoComponentSets(headers) : std::vector<std::vector<std::size_t>>{{0}};
    const int setIndex = settings.threeComponents ? settings.componentSet : 0;
    if (setIndex < 0 || setIndex >= static_cast<int>(sets.size()))
        return ReportBadContent(chosen, ReadError{0, StringPrintf(TrText("record", "このファイルの成分は %d 組で、%d 組目はありません").c_str(),
                                                                  static_cast<int>(sets.size()), setIndex + 1)});
    const std::vector<std::size_t>& set = sets[static_cast<std::size_t>(setIndex)];
    r.componentSet = setIndex;
    r.componentSetCount = static_cast<int>(sets.size());
    const std::vector<std::size_t> rows = PlaceByOrientation(headers, set);

    r.componentCount = static_cast<int>(rows.size());
    std::vector<ChannelHeader> placed;
    for (std::size_t c = 0; c < rows.size(); ++c) {
        const AgencyChannel& channel = *channels[rows[c]];
        r.componentPath[c] = *pathOf[rows[c]];
        r.componentLabel[c] = Utf8ToSjis(OrientationLabel(channel.header, static_cast<int>(c)));
        r.orientation[c] = OrientationOf(channel.header);
        r.channelCode[c] = channel.header.componentName;
        placed.push_back(channel.header);
        const AgencyChannel& first = *channels[rows[0]];
        if (c > 0 && !SameInterval(channel.dt, first.dt))
            return ReportComponentsDiffer(static_cast<int>(c),
                StringPrintf(TrText("record", messages::kDifferentIntervalsSecondsFormat).c_str(), Shown(0).c_str(),
                             Shown(static_cast<int>(c)).c_str(), first.dt, channel.dt));
        if (c > 0 && channel.gal.size() != first.gal.size())
            return ReportComponentsDiffer(static_cast<int>(c),
                StringPrintf(TrText("record", kDifferentLengthsFormat).c_str(), Shown(0).c_str(),
                             Shown(static_cast<int>(c)).c_str(), static_cast<int>(first.gal.size()),
                             static_cast<int>(channel.gal.size())));
    }
    for (int c = r.componentCount; c < MAX_COMPONENTS; ++c) {
        r.orientation[c] = ComponentOrientation{};
        r.channelCode[c].clear();
    }
    const AgencyChannel& first = *channels[rows[0]];
    if (first.gal.empty()) {
        platform_.ShowMessage(StringPrintf(TrText("record", messages::kNoSamplesFormat).c_str(), Shown(0).c_str()),
                              TrText("record", messages::kDataFileErrorCaption), MessageStyle::Warning);
        return false;
    }
    r.recordFolder = FolderPart(r.componentPath[0]);
    ApplyStatedHeader(MergedHeader(placed), r);
    r.dt = static_cast<float>(first.dt);
    r.samplingFrequency = static_cast<int>(std::lround(1.0 / first.dt));
    r.sampleCount = static_cast<int>(first.gal.size());
    r.durationSeconds = static_cast<float>(static_cast<double>(r.sampleCount) * first.dt);
    // Without a stated time the files' name: the stem they share when the
    // components come from several files.
    const bool oneFile = std::all_of(r.componentPath.begin(), r.componentPath.begin() + r.componentCount,
                                     [&](const std::string& path) { return path == r.componentPath[0]; });
    r.eventName = StatedEventName(r.stated, oneFile ? FileNameWithoutExtension(FileNamePart(r.componentPath[0]))
                                                    : ComponentNameStem(FileNamePart(r.componentPath[0])));
    if (setIndex > 0) r.eventName += "_" + std::to_string(setIndex + 1);  // its files apart from the first set's
    DesignFilter();

    ComponentValues values;
    // The values as the file gives them: agency files are mostly corrected
    // records, and DC removal stays with the K-NET/KiK-net counts.
    for (std::size_t c = 0; c < rows.size(); ++c) values[c] = channels[rows[c]]->gal;
    if (!StoreComponents(values)) return false;
    SetStatedLabels(r, stagedLabels_);
    SetAfterLoadLabels(r, stagedLabels_);
    // The file label names what the record was read from: its first file,
    // and how many others.
    const int otherFiles = static_cast<int>(files.size()) - 1;
    stagedLabels_.label14 = otherFiles == 0 ? JoinComponentSetPath(r.componentPath[0], setIndex)
                                            : StringPrintf(TrText("record", "%s ほか %d ファイル").c_str(),
                                                           r.componentPath[0].c_str(), otherFiles);
    if (!unread.empty()) {
        std::string names;
        for (std::size_t i = 0; i < unread.size() && i < 5; ++i) names += "\n" + unread[i];
        if (unread.size() > 5) names += "\n...";
        platform_.ShowMessage(StringPrintf(TrText("record", kUnreadFilesFormat).c_str(), static_cast<int>(unread.size()),
                                           names.c_str()),
                              TrText("record", kOtherSetsCaption), MessageStyle::Plain);
    }
    // The other sets are said, so that none goes unseen.
    if (sets.size() > 1 && setIndex == 0)
        platform_.ShowMessage(StringPrintf(TrText("record", kOtherSetsFormat).c_str(), source_->Shown(chosen).c_str(),
                                           static_cast<int>(sets.size()), static_cast<int>(sets.size()),
                                           source_->Shown(chosen).c_str()),
                              TrText("record", kOtherSetsCaption), MessageStyle::Plain);
    return true;
}

}  // namespace tremblo
