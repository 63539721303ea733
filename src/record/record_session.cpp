#include "record/record_session.h"

#include <algorithm>

#include "common/format.h"
#include "common/path_text.h"
#include "common/result.h"
#include "common/shift_jis.h"
#include "record/cdpc_reader.h"
#include "record/component_names.h"
#include "record/hiroshima_reader.h"
#include "record/knet_reader.h"
#include "record/record_file_check.h"
#include "record/record_messages.h"
#include "record/remove_mean.h"
#include "common/translation.h"

namespace tremblo {

namespace {

// Closes the wait window however the load ends.
class WaitWindow {
public:
    WaitWindow(Platform& platform, const std::string& text) : platform_(platform) {
        platform_.ShowWait(text);
    }
    ~WaitWindow() { platform_.CloseWait(); }

private:
    Platform& platform_;
};


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

LoadStatus RecordSession::LoadPath(const std::string& path, const LoadSettings& settings) {
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
                                                          : LoadHiroshimaOrCdpc(path, settings);
    if (!ok) return LoadStatus::Failed;
    staged_->recordLoaded = true;
    std::swap(current_, staged_);
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

    int counts[MAX_COMPONENTS] = {0, 0, 0};
    for (int c = 0; c < r.componentCount; ++c)
        if (!ReadComponentSamples(c, RecordFormat::Knet, settings.removeDc, counts[c])) return false;
    r.sampleCount = counts[r.componentCount - 1];
    FinishComponents(counts);
    SetAfterLoadLabels(r, stagedLabels_);
    return true;
}

bool RecordSession::ReadComponentSamples(int c, RecordFormat format, bool removeDc, int& count) {
    SeismicRecord& r = *staged_;
    const std::string& path = r.componentPath[c];
    const std::unique_ptr<std::istream> opened = source_->Open(path);
    if (!opened) return ReportCannotOpen(path);
    std::istream& in = *opened;
    const std::span<float> buffer(r.samples[c].data(), SAMPLE_CAPACITY);
    switch (format) {
        case RecordFormat::Knet: {
            const Result<int> read = ReadKnetData(in, r.scaleFactor, buffer);
            if (!read) return ReportBadContent(path, read.error());
            count = read.value();
            if (count > 0 && removeDc) RemoveMean(buffer.data(), 0, count);
            break;
        }
        case RecordFormat::Hiroshima: {
            const Result<int> read = ReadHiroshimaData(in, buffer);
            if (!read) return ReportBadContent(path, read.error());
            count = read.value();
            break;
        }
        case RecordFormat::Cdpc: {
            const Result<int> read = ReadCdpcData(in, buffer);
            if (!read) return ReportBadContent(path, read.error());
            count = read.value();
            break;
        }
    }
    if (count == 0) {
        platform_.ShowMessage(StringPrintf(TrText("record", messages::kNoSamplesFormat).c_str(), source_->Shown(path).c_str()),
                              TrText("record", messages::kDataFileErrorCaption), MessageStyle::Warning);
        return false;
    }
    return true;
}

// Samples past each component's end, and components not read, are zero: no
// value of an earlier record survives in the buffers.
void RecordSession::FinishComponents(const int* counts) {
    SeismicRecord& r = *staged_;
    for (int c = 0; c < MAX_COMPONENTS; ++c) {
        const int from = c < r.componentCount ? counts[c] : 0;
        std::fill(r.samples[c].data() + from, r.samples[c].data() + SAMPLE_CAPACITY, 0.0f);
    }
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
    r.sampleCount = std::min(h.sampleCount, SAMPLE_CAPACITY);
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
    } else {
        r.samplingFrequency = CDPC_SAMPLING_FREQUENCY;
        r.dt = 1.0f / 100.0f;
    }
    DesignFilter();

    int counts[MAX_COMPONENTS] = {0, 0, 0};
    for (int c = 0; c < r.componentCount; ++c)
        if (!ReadComponentSamples(c, settings.format, false, counts[c])) return false;
    if (hiroshima) {
        // The count stated by the header, but never more than was read.
        for (int c = 0; c < r.componentCount; ++c) r.sampleCount = std::min(r.sampleCount, counts[c]);
    } else {
        r.sampleCount = counts[r.componentCount - 1];
        stagedLabels_.label30 = StringPrintf("%d 1/s", r.samplingFrequency);
        stagedLabels_.label28 = StringPrintf("%.2f s", r.sampleCount * 0.01);
    }
    FinishComponents(counts);
    SetAfterLoadLabels(r, stagedLabels_);
    const std::string noData = NoDataLabel();
    stagedLabels_.label6 = stagedLabels_.label7 = stagedLabels_.label8 = noData;
    stagedLabels_.label9 = stagedLabels_.label10 = noData;
    return true;
}

}  // namespace tremblo
