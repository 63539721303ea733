#include "record/record_session.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "common/format.h"
#include "common/path_text.h"
#include "common/result.h"
#include "common/shift_jis.h"
#include "record/cdpc_reader.h"
#include "record/agency_record.h"
#include "record/channel_placement.h"
#include "record/component_names.h"
#include "record/format_detection.h"
#include "record/hiroshima_reader.h"
#include "record/knet_reader.h"
#include "record/record_file_check.h"
#include "record/record_messages.h"
#include "record/remove_mean.h"
#include "record/wait_window.h"
#include "common/translation.h"

namespace tremblo {

namespace {

// Components that do not belong together, or a file cut short: the load
// fails naming the files.
constexpr const char* kDifferentRatesFormat =
    QT_TRANSLATE_NOOP("record", "%s と %s のサンプリング周波数が異なります（%d Hz と %d Hz）");
constexpr const char* kDifferentIntervalsFormat =
    QT_TRANSLATE_NOOP("record", "%s と %s のサンプリング間隔が異なります（%d ms と %d ms）");
constexpr const char* kDifferentStationsFormat =
    QT_TRANSLATE_NOOP("record", "%s と %s の観測点コードが異なります（%s と %s）");
constexpr const char* kDifferentCountsFormat = QT_TRANSLATE_NOOP("record", "%s と %s のデータ数が異なります（%d 個と %d 個）");
constexpr const char* kCutShortFormat = QT_TRANSLATE_NOOP(
    "record", "データが %d 個しかなく、ヘッダーの記録時間とサンプリング周波数による %d 個（%g 秒、%d Hz）に足りません（ファイルが途中で切れています）");
constexpr const char* kHiroshimaCutShortFormat = QT_TRANSLATE_NOOP(
    "record", "データが %d 個しかなく、ヘッダーのデータ数 %d 個に足りません（ファイルが途中で切れています）");
constexpr const char* kCdpcCutShortFormat = QT_TRANSLATE_NOOP(
    "record", "データが %d 個しかなく、1行目の NDATA=%d に足りません（ファイルが途中で切れています）");
constexpr const char* kOutOfMemory = QT_TRANSLATE_NOOP("record", "記録を読み込むメモリーが足りません");



}  // namespace

RecordSession::RecordSession(Platform& platform, const StationDirectory& directory)
    : platform_(platform),
      directory_(directory),
      current_(std::make_unique<SeismicRecord>()),
      staged_(std::make_unique<SeismicRecord>()),
      labels_(RecordLabels::AtStartUp()) {}

void RecordSession::Reset() {
    current_->fields() = RecordFields{};
    staged_->fields() = RecordFields{};
    labels_ = RecordLabels::AtStartUp();
    stagedLabels_ = labels_;
    loadedFormat_ = RecordFormat::Knet;
}

bool RecordSession::stationFileCopyAvailable() const {
    return current_->recordLoaded && loadedFormat_ == RecordFormat::Knet &&
           !current_->eventName.empty();
}

LoadStatus RecordSession::OpenWithDialog(const LoadSettings& settings) {
    const auto path = platform_.AskOpenFile(TrText("record", kRecordFileFilter));
    if (!path) return LoadStatus::Cancelled;
    return LoadPath(*path, settings);
}

LoadStatus RecordSession::LoadPath(const std::string& chosenPath, const LoadSettings& chosenSettings) {
    LoadSettings settings = chosenSettings;
    std::string path = chosenPath;
    // "FILE#2": the second set of components of FILE, unless a file has that name.
    if (const std::optional<ComponentSetPath> split = SplitComponentSetPath(chosenPath); split && !source_->Open(chosenPath)) {
        path = split->file;
        settings.componentSet = split->set;
    }
    if (settings.automatic) settings.format = DetectRecordFormatOfFile(path, *source_);
    if (const std::optional<std::string> refused = NoRecordFileMessage(path, settings)) {
        platform_.ShowMessage(*refused, TrText("record", messages::kDataFileErrorCaption), MessageStyle::Warning);
        return LoadStatus::Failed;
    }
    // Every load starts from an empty record and empty labels: a field the
    // chosen format does not carry (a CDPC file has no station and no event)
    // stays empty rather than showing the previous record's value.
    staged_->fields() = RecordFields{};
    stagedLabels_ = RecordLabels::AtStartUp();
    const bool ok = settings.format == RecordFormat::Knet ? LoadKnet(path, settings)
                    : IsAgencyFormat(settings.format)     ? LoadAgency(path, settings.format, settings)
                                                          : LoadHiroshimaOrCdpc(path, settings);
    if (!ok) return LoadStatus::Failed;
    // The described formats' components are oriented as their labels say.
    if (!IsAgencyFormat(settings.format))
        for (int c = 0; c < MAX_COMPONENTS; ++c)
            staged_->orientation[c] = c < staged_->componentCount ? OrientationOfLabel(staged_->componentLabel[c].view())
                                                                  : ComponentOrientation{};
    staged_->recordLoaded = true;
    std::swap(current_, staged_);
    // The record before gives back what a long record made its buffers take.
    try {
        staged_->FitBuffers(0);
    } catch (const std::bad_alloc&) {
        // kept as they were: the next load fits them
    }
    std::swap(labels_, stagedLabels_);
    loadedFormat_ = settings.format;
    return LoadStatus::Loaded;
}

// A file not named as a component file may be plainly something else: a
// ZIP archive, or (three K-NET/KiK-net components) a name from which no
// component file names can be made. Component files are not opened here.
std::optional<std::string> RecordSession::NoRecordFileMessage(const std::string& path, const LoadSettings& settings) {
    if (IsComponentFileName(path)) return std::nullopt;
    if (const std::unique_ptr<std::istream> in = source_->Open(path))
        if (std::optional<std::string> zip = ZipArchiveMessage(*in, source_->Shown(path))) return zip;
    if (settings.format == RecordFormat::Knet && settings.threeComponents && HasShortExtension(path))
        return ComponentNameMessage(path, source_->Shown(path));
    return std::nullopt;
}

bool RecordSession::ReportCannotOpen(const std::string& path) {
    if (const std::string failure = source_->OpenFailure(path); !failure.empty())
        return ReportBadContent(path, ReadError{0, failure});
    platform_.ShowMessage(StringPrintf(TrText("record", messages::kCannotOpenFormat).c_str(), source_->Shown(path).c_str()),
                          TrText("record", messages::kDataFileErrorCaption), MessageStyle::Warning);
    return false;
}

bool RecordSession::ReportBadContent(const std::string& path, const ReadError& error) {
    if (!error.caption.empty()) {
        platform_.ShowMessage(error.message, error.caption, MessageStyle::Warning);
        return false;
    }
    std::string reason = error.message;
    if (error.line > 0) reason = StringPrintf(TrText("record", "%d行目: ").c_str(), error.line) + reason;
    platform_.ShowMessage(StringPrintf(TrText("record", messages::kBadContentFormat).c_str(), source_->Shown(path).c_str(), reason.c_str()),
                          TrText("record", messages::kDataFileErrorCaption), MessageStyle::Warning);
    return false;
}

void RecordSession::DesignFilter() {
    if (designFilter_)
        designFilter_(staged_->dt, std::span<float, BANDPASS_TAPS>(staged_->bandpassCoefficients));
}

bool RecordSession::LoadKnet(const std::string& chosen, const LoadSettings& settings) {
    if (!HasShortExtension(chosen)) {
        platform_.ShowMessage(TrText("record", messages::kFileNameError), TrText("record", messages::kFileNameErrorCaption),
                              MessageStyle::Warning);
        return false;
    }
    SeismicRecord& r = *staged_;
    r.componentCount = settings.threeComponents ? 3 : 1;
    const KnetComponentNames names = DeriveKnetComponentNames(chosen, settings.threeComponents);
    for (int c = 0; c < r.componentCount; ++c) {
        r.componentPath[c] = source_->FindIgnoringCase(names.paths[c]).value_or(names.paths[c]);
        r.componentLabel[c] = Utf8ToSjis(names.labels[c]);  // the name's text, kept as Shift-JIS
    }
    WaitWindow wait(platform_, TrText("record", messages::kWaitLoading));

    const std::unique_ptr<std::istream> first = source_->Open(r.componentPath[0]);
    if (!first) return ReportCannotOpen(r.componentPath[0]);
    const Result<KnetHeader> header = ReadKnetHeader(*first);
    if (!header) return ReportBadContent(r.componentPath[0], header.error());
    ApplyKnetHeader(header.value(), r);
    if (header.value().originTimeMissing)
        platform_.ShowMessage(TrText("record", messages::kOriginTimeMissing), TrText("record", messages::kOriginTimeMissingCaption),
                              MessageStyle::Warning);
    SetKnetHeaderLabels(r, stagedLabels_);

    r.currentStation.clear();
    r.recordFolder = FolderPart(r.componentPath[0]);
    if (const StationRow* row = directory_.FindKnetOrKiknet(r.stationCode.view())) {
        r.currentStation = *row;
        stagedLabels_.label23 = SjisToUtf8(row->name.view());
        stagedLabels_.label24 = SjisToUtf8(row->location.view());
        stagedLabels_.label25 = SjisToUtf8(row->column5.view());
        std::string name = r.stationCode.str() + "-" + r.originDate.str() + r.originTime.str();
        std::erase_if(name, [](char ch) { return ch == '/' || ch == ':'; });
        if (name.size() > 2) name.resize(name.size() - 2);
        r.eventName = SjisToUtf8(name);  // it names files
    } else {
        platform_.ShowMessage(TrText("record", messages::kKnetStationUnknown), TrText("record", messages::kStationCodeErrorCaption),
                              MessageStyle::Warning);
        stagedLabels_.label23.clear();
        stagedLabels_.label24.clear();
        stagedLabels_.label25.clear();
        r.eventName.clear();
    }
    r.dt = 1.0f / static_cast<float>(r.samplingFrequency);
    DesignFilter();

    ComponentValues values;
    for (int c = 0; c < r.componentCount; ++c) {
        KnetHeader own = header.value();
        if (c > 0 && !ReadKnetComponentHeader(c, header.value(), own)) return false;
        if (!ReadComponentSamples(c, RecordFormat::Knet, own.scaleFactor, values[c])) return false;
        if (!CheckKnetDuration(c, own, values[c].size())) return false;
        if (const auto contradiction = KnetPeakContradiction(own, values[c]))
            return ReportBadContent(r.componentPath[c], ReadError{15, *contradiction});
        if (settings.removeDc) RemoveMean(values[c].data(), 0, static_cast<int>(values[c].size()));
    }
    if (!CheckEqualCounts(values)) return false;
    r.sampleCount = static_cast<int>(values[r.componentCount - 1].size());
    if (!StoreComponents(values)) return false;
    SetAfterLoadLabels(r, stagedLabels_);
    return true;
}

// Each component file has its own header into `own`: it must be of the same
// station and sampling frequency as the first, and its own scale factor
// converts its counts.
bool RecordSession::ReadKnetComponentHeader(int c, const KnetHeader& first, KnetHeader& own) {
    const std::string& path = staged_->componentPath[c];
    const std::unique_ptr<std::istream> in = source_->Open(path);
    if (!in) return ReportCannotOpen(path);
    const Result<KnetHeader> header = ReadKnetHeader(*in);
    if (!header) return ReportBadContent(path, header.error());
    const KnetHeader& h = header.value();
    if (h.samplingFrequency != first.samplingFrequency)
        return ReportComponentsDiffer(c, StringPrintf(TrText("record", kDifferentRatesFormat).c_str(), Shown(0).c_str(),
                                                      Shown(c).c_str(), first.samplingFrequency, h.samplingFrequency));
    if (h.stationCode.view() != first.stationCode.view())
        return ReportComponentsDiffer(
            c, StringPrintf(TrText("record", kDifferentStationsFormat).c_str(), Shown(0).c_str(), Shown(c).c_str(),
                            SjisToUtf8(first.stationCode.view()).c_str(), SjisToUtf8(h.stationCode.view()).c_str()));
    own = h;
    return true;
}

// A K-NET/KiK-net file holds its duration times its sampling frequency in
// samples; one holding over a second less was cut short.
bool RecordSession::CheckKnetDuration(int c, const KnetHeader& header, std::size_t count) {
    const double frequency = header.samplingFrequency;
    const double stated = std::round(static_cast<double>(header.durationSeconds) * frequency);
    if (!(stated > 0.0) || static_cast<double>(count) >= stated - frequency) return true;
    return ReportBadContent(staged_->componentPath[c],
                            ReadError{0, StringPrintf(TrText("record", kCutShortFormat).c_str(), static_cast<int>(count),
                                                      static_cast<int>(stated),
                                                      static_cast<double>(header.durationSeconds),
                                                      header.samplingFrequency)});
}

std::string RecordSession::Shown(int c) const { return source_->Shown(staged_->componentPath[c]); }

bool RecordSession::ReportComponentsDiffer(int c, const std::string& reason) {
    return ReportBadContent(staged_->componentPath[c], ReadError{0, reason});
}

// Every component holds as many samples as the first.
bool RecordSession::CheckEqualCounts(const ComponentValues& values) {
    for (int c = 1; c < staged_->componentCount; ++c) {
        if (values[c].size() == values[0].size()) continue;
        return ReportComponentsDiffer(c, StringPrintf(TrText("record", kDifferentCountsFormat).c_str(), Shown(0).c_str(),
                                                      Shown(c).c_str(), static_cast<int>(values[0].size()),
                                                      static_cast<int>(values[c].size())));
    }
    return true;
}

// The values into the trace buffers, fitted to the record: samples past
// each component's end, and components not read, are zero, so that no value
// of an earlier record survives in the buffers.
bool RecordSession::StoreComponents(const ComponentValues& values) {
    SeismicRecord& r = *staged_;
    std::size_t longest = 0;
    for (int c = 0; c < r.componentCount; ++c) longest = std::max(longest, values[c].size());
    try {
        r.FitBuffers(static_cast<int>(longest));
    } catch (const std::bad_alloc&) {
        platform_.ShowMessage(TrText("record", kOutOfMemory), TrText("record", messages::kDataFileErrorCaption),
                              MessageStyle::Warning);
        return false;
    }
    for (int c = 0; c < MAX_COMPONENTS; ++c) {
        float* trace = r.samples[c].data();
        const std::size_t count = c < r.componentCount ? values[c].size() : 0;
        std::copy(values[c].begin(), values[c].begin() + static_cast<std::ptrdiff_t>(count), trace);
        std::fill(trace + count, trace + r.capacity(), 0.0f);
    }
    return true;
}

bool RecordSession::ReadComponentSamples(int c, RecordFormat format, float scaleFactor, std::vector<float>& values) {
    SeismicRecord& r = *staged_;
    const std::string& path = r.componentPath[c];
    const std::unique_ptr<std::istream> opened = source_->Open(path);
    if (!opened) return ReportCannotOpen(path);
    std::istream& in = *opened;
    Result<int> read = 0;
    int stated = 0;
    switch (format) {
        case RecordFormat::Knet: read = ReadKnetData(in, scaleFactor, values); break;
        case RecordFormat::Hiroshima: read = ReadHiroshimaData(in, values); break;
        case RecordFormat::Cdpc: read = ReadCdpcData(in, values, &stated); break;
        default: return false;  // agency formats load through LoadAgency
    }
    if (!read) return ReportBadContent(path, read.error());
    const int count = read.value();
    if (count == 0) {
        platform_.ShowMessage(StringPrintf(TrText("record", messages::kNoSamplesFormat).c_str(), source_->Shown(path).c_str()),
                              TrText("record", messages::kDataFileErrorCaption), MessageStyle::Warning);
        return false;
    }
    // A file holding fewer values than its header says was cut short.
    const char* cut = format == RecordFormat::Hiroshima ? kHiroshimaCutShortFormat
                      : format == RecordFormat::Cdpc    ? kCdpcCutShortFormat
                                                        : nullptr;
    const int expected = format == RecordFormat::Hiroshima ? r.sampleCount : stated;
    if (cut != nullptr && count < expected)
        return ReportBadContent(path, ReadError{0, StringPrintf(TrText("record", cut).c_str(), count, expected)});
    return true;
}

bool RecordSession::ReadHiroshimaHeaderInto(const std::string& path) {
    SeismicRecord& r = *staged_;
    const std::unique_ptr<std::istream> in = source_->Open(path);
    if (!in) return ReportCannotOpen(path);
    const Result<HiroshimaHeader> read = ReadHiroshimaHeader(*in, directory_);
    if (!read) return ReportBadContent(path, read.error());
    const HiroshimaHeader& h = read.value();
    r.currentStation.code = h.fileStationCode.view();
    if (h.station) {
        r.stationCode = h.station->code.view();
    } else {
        r.stationCode = h.fileStationCode.view();  // titles name the file's own code
        platform_.ShowMessage(TrText("record", messages::kHiroshimaStationUnknown),
                              TrText("record", messages::kStationCodeErrorCaption), MessageStyle::Warning);
        stagedLabels_.label23.clear();
        stagedLabels_.label24.clear();
        stagedLabels_.label25.clear();
    }
    r.recordDate = h.recordDate.view();
    r.originDate = h.recordDate.view();
    r.recordTime = h.recordTime.view();
    r.originTime = h.recordTime.view();
    stagedLabels_.label28 = SjisToUtf8(h.recordDate.str() + " " + h.recordTime.str());
    r.sampleCount = h.sampleCount;
    r.samplingFrequency = h.samplingFrequency;
    stagedLabels_.label30 = std::to_string(h.samplingFrequency);
    r.dt = h.dt;
    // Every matching row, in table order: the last one stands.
    for (int i = 0; i < directory_.hiroshimaStationCount; ++i) {
        const StationRow& row = directory_.hiroshimaStations[i];
        if (row.code.view() != r.currentStation.code.view()) continue;
        r.currentStation = row;  // the station line of every window shows this row
        stagedLabels_.label13 = SjisToUtf8(row.code.view());
        stagedLabels_.label23 = SjisToUtf8(row.name.view());
        stagedLabels_.label24 = SjisToUtf8(row.location.view());
    }
    return true;
}

// The other components of a Hiroshima record have headers of their own: of
// the same sampling interval as the first.
bool RecordSession::CheckHiroshimaComponentHeader(int c) {
    const std::string& path = staged_->componentPath[c];
    const std::unique_ptr<std::istream> in = source_->Open(path);
    if (!in) return ReportCannotOpen(path);
    const Result<HiroshimaHeader> read = ReadHiroshimaHeader(*in, directory_);
    if (!read) return ReportBadContent(path, read.error());
    const int firstMs = static_cast<int>(std::lround(static_cast<double>(staged_->dt) * 1000.0));
    if (read.value().intervalMs == firstMs) return true;
    return ReportComponentsDiffer(c, StringPrintf(TrText("record", kDifferentIntervalsFormat).c_str(), Shown(0).c_str(),
                                                  Shown(c).c_str(), firstMs, read.value().intervalMs));
}

// Every CDPC component states its interval on its first line: they must
// agree, and the record takes it.
bool RecordSession::ReadCdpcIntervals() {
    SeismicRecord& r = *staged_;
    double first = 0.0;
    for (int c = 0; c < r.componentCount; ++c) {
        const std::unique_ptr<std::istream> in = source_->Open(r.componentPath[c]);
        if (!in) return ReportCannotOpen(r.componentPath[c]);
        const Result<double> dt = ReadCdpcInterval(*in);
        if (!dt) return ReportBadContent(r.componentPath[c], dt.error());
        if (c == 0) first = dt.value();
        else if (dt.value() != first)
            return ReportComponentsDiffer(c, StringPrintf(TrText("record", messages::kDifferentIntervalsSecondsFormat).c_str(),
                                                          Shown(0).c_str(), Shown(c).c_str(), first, dt.value()));
    }
    r.dt = static_cast<float>(first);
    r.samplingFrequency = static_cast<int>(std::lround(1.0 / first));
    return true;
}

bool RecordSession::LoadHiroshimaOrCdpc(const std::string& chosen, const LoadSettings& settings) {
    SeismicRecord& r = *staged_;
    const bool hiroshima = settings.format == RecordFormat::Hiroshima;
    r.componentCount = settings.threeComponents ? 3 : 1;
    r.componentPath[0] = chosen;
    r.eventName = FileNameWithoutExtension(chosen);
    if (settings.threeComponents) {
        const auto pair = DerivePairNames(chosen);
        for (int c = 0; c < 3; ++c) {
            const auto found = pair ? source_->FindIgnoringCase((*pair)[c]) : std::nullopt;
            if (!found) {
                platform_.ShowMessage(TrText("record", messages::kMissingPair), TrText("record", messages::kFileErrorCaption),
                                      MessageStyle::Plain);
                return false;
            }
            r.componentPath[c] = *found;
        }
    }
    for (int c = 0; c < r.componentCount; ++c)
        r.componentLabel[c] = Utf8ToSjis(ComponentLabelOfPath(r.componentPath[c]));
    r.recordFolder = FolderPart(r.componentPath[0]);
    if (hiroshima) {
        if (!ReadHiroshimaHeaderInto(r.componentPath[0])) return false;
    } else if (!ReadCdpcIntervals()) {
        return false;
    }
    DesignFilter();

    ComponentValues values;
    for (int c = 0; c < r.componentCount; ++c) {
        if (hiroshima && c > 0 && !CheckHiroshimaComponentHeader(c)) return false;
        if (!ReadComponentSamples(c, settings.format, 1.0f, values[c])) return false;
    }
    if (!hiroshima) {
        // Hiroshima records take the count their header states (each
        // component holds at least as many); CDPC ones the count read.
        if (!CheckEqualCounts(values)) return false;
        r.sampleCount = static_cast<int>(values[r.componentCount - 1].size());
        stagedLabels_.label30 = StringPrintf("%d 1/s", r.samplingFrequency);
        stagedLabels_.label28 = StringPrintf("%.2f s", r.sampleCount * static_cast<double>(r.dt));
    }
    if (!StoreComponents(values)) return false;
    SetAfterLoadLabels(r, stagedLabels_);
    const std::string noData = NoDataLabel();
    stagedLabels_.label6 = stagedLabels_.label7 = stagedLabels_.label8 = noData;
    stagedLabels_.label9 = stagedLabels_.label10 = noData;
    return true;
}

}  // namespace tremblo
