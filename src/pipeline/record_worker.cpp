#include "pipeline/record_worker.h"

#include "record/at2_export.h"
#include "record/mseed_export.h"
#include "record/sac_export.h"

#include <algorithm>
#include <filesystem>

#include "common/translation.h"
#include "pipeline/record_info.h"
#include "common/atomic_file.h"
#include "common/format.h"
#include "fourier/fourier_spectra.h"
#include "plot/png_writer.h"
#include "input/archive_reader.h"
#include "record/component_names.h"
#include "spectrum/pseudo_csv.h"
#include "spectrum/enlarged_drawing.h"
#include "spectrum/sa_sd_drawing.h"
#include "spectrum/spectrum_csv.h"
#include "spectrum/spectrum_display.h"
#include "tools/horizontal_synthesis.h"
#include "wave/record_filter.h"
#include "wave/start_point.h"
#include "wave/waveform_csv.h"
#include "wave/waveform_drawing.h"

namespace tremblo {

namespace {

// The main window's words for a file it cannot write, and why.
std::string CannotWrite(const std::string& path, const std::string& why) {
    return MessageLine(TrText("common", kCannotCreateCaption), CannotCreateText(path) + " (" + why + ")");
}

std::string JoinMessages(const std::vector<std::string>& messages) {
    std::string joined;
    for (const std::string& m : messages) joined += (joined.empty() ? "" : " / ") + m;
    return joined;
}

}  // namespace

bool NamedAfterFolder(const SeismicRecord& record, const std::string& loadPath) {
    return record.eventName.empty() && FileNameWithoutExtension(loadPath).empty();
}

std::string OutputBaseName(const SeismicRecord& record, const std::string& loadPath, const std::string& file) {
    if (!record.eventName.empty()) return record.eventName;
    if (const std::string stem = FileNameWithoutExtension(loadPath); !stem.empty()) return stem;
    // "ARCHIVE:INNER:x/.NS" holds the file as folders do.
    std::string path = file;
    std::replace(path.begin(), path.end(), ':', '/');
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec) absolute = path;
    const std::string folder = absolute.lexically_normal().parent_path().filename().string();
    if (folder.empty()) {  // "/.NS": "NS"
        const std::string name = std::filesystem::path(loadPath).filename().string();
        return name.size() > 1 ? name.substr(1) : "record";
    }
    return IsArchiveName(folder) ? FileNameWithoutExtension(folder) : folder;
}

std::string OutputNameClaims::Claim(const std::string& name, const std::string& file) {
    const std::lock_guard lock(mutex_);
    const auto [at, taken] = owners_.emplace(name, file);
    return taken ? std::string() : at->second;
}

RecordWorker::RecordWorker(const StationDirectory& directory, const PipelineSettings& options,
                           FolderListings* listings, OutputNameClaims* claims)
    : directory_(directory),
      options_(options),
      listings_(listings),
      claims_(claims),
      workspace_(std::make_unique<DerivationWorkspace>()),
      spectrum_(std::make_unique<SpectrumModel>()),
      canvas_(WAVE_PLOT_WIDTH, WAVE_PLOT_HEIGHT),
      wave_(canvas_, platform_),
      spectrumCanvas_(SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT),
      saSdCanvas_(SA_SD_GRAPH_WIDTH, SA_SD_GRAPH_HEIGHT) {
    session_ = std::make_unique<RecordSession>(platform_, directory_);
    session_->setFolderListings(listings_);
    // The taps depend on dt only: records of one rate share one design.
    session_->setFilterDesigner([this](float dt, std::span<float, BANDPASS_TAPS> h) {
        auto it = filterTaps_.find(dt);
        if (it == filterTaps_.end()) {
            std::array<float, BANDPASS_TAPS> taps{};
            DesignLoadedRecordFilter(dt, taps);
            it = filterTaps_.emplace(dt, taps).first;
        }
        std::copy(it->second.begin(), it->second.end(), h.begin());
    });
    spectrum_->SetDampingMultiplier(options.dampingMultiplier);
    spectrum_->SetOscillatorMethod(options.oscillator);
    spectrum_->SetLinearPeriodRange(options.periodLimit);
}

RecordWorker::~RecordWorker() = default;

bool RecordWorker::Fail(RecordOutcome& outcome, std::string reason) {
    outcome.ok = false;
    outcome.failure = std::move(reason);
    return false;
}

bool RecordWorker::FailOutOfMemory(RecordOutcome& outcome, const char* what) {
    return Fail(outcome, TrText("batch", "メモリが足りません") + " (" + what + ")");
}

RecordOutcome RecordWorker::Process(const std::string& file, RecordFormat format) {
    return Process(file, file, format, nullptr);
}

RecordOutcome RecordWorker::Process(const std::string& file, const std::string& loadPath, RecordFormat format,
                                    RecordFileSource* source) {
    RecordOutcome outcome;
    outcome.file = file;
    platform_.TakeMessages();
    // A session as at start-up for every record: a load keeps what its format
    // does not set (a CDPC file has no station or origin), and one record's
    // values must never show up in the next one's files. The buffers stay.
    session_->Reset();
    spectraCalculated_ = false;
    rotdState_ = RotDState::None;
    session_->setFileSource(source);
    const LoadStatus status =
        session_->LoadPath(loadPath, LoadSettingsOf(format));
    session_->setFileSource(nullptr);
    std::vector<std::string> messages = platform_.TakeMessages();
    if (status != LoadStatus::Loaded) {
        Fail(outcome, messages.empty() ? TrText("batch", "読み込めません") : JoinMessages(messages));
        return outcome;
    }
    outcome.notes = std::move(messages);
    SeismicRecord& record = session_->record();

    // The waveform view's settings as the main window holds them by default,
    // changed by the options.
    WaveformSettings settings;
    settings.waveQuantity = static_cast<int>(options_.quantity);
    settings.timeSpanIndex = options_.timeSpanIndex;
    settings.removeDc = options_.removeDc;
    settings.workers = 1;  // the batch spreads records, not samples, over the cores
    settings.autoStart = !options_.start.has_value();
    settings.autoAmplitude = options_.amplitudes.empty();
    settings.oneChannelAmplitude = options_.amplitudes.size() == 1;
    for (std::size_t i = 0; i < options_.amplitudes.size() && i < settings.amplitudes.size(); ++i)
        settings.amplitudes[i] = options_.amplitudes[i];
    if (options_.start) {
        // The slider's range: any start up to the sample count (the window is
        // then cut at the record's end), 0 also on records shorter than a window.
        if (*options_.start > record.sampleCount) {
            Fail(outcome, MessageLine(TrText("wave", kStartErrorCaption), TrText("wave", kStartTooLarge)) +
                              StringPrintf(" (--start %d, %d samples)", *options_.start, record.sampleCount));
            return outcome;
        }
        settings.startValue = *options_.start;
    }

    const bool writeFiles = WritesRecordFiles(options_);
    WaveDisplayOptions display = options_.display;
    display.knetFormat = format == RecordFormat::Knet;
    const WaveformView view = writeFiles
                                  ? RedrawWaveform(record, settings, display, *workspace_, wave_)
                                  : PrepareWaveform(record, settings, *workspace_);
    if (view.derivation == DerivationStatus::OutOfMemory) {
        FailOutOfMemory(outcome, "velocity and displacement");
        return outcome;
    }
    const std::string name = OutputBaseName(record, loadPath, file);
    // Both series of a KiK-net station have one event name: their files are
    // told apart by the series, as NIED's file names do (X.NS1, X.NS2).
    const int series = KikNetSeriesOf(record);
    const std::string base = series != 0 ? name + "_" + std::to_string(series) : name;
    // Every file a record writes comes from that record: a second record of
    // the same name (the same station in two archives) writes none.
    if ((writeFiles || options_.exportAt2 || options_.exportSac || options_.exportMseed) && claims_ != nullptr) {
        const std::string owner = claims_->Claim(base, file);
        if (!owner.empty()) {
            Fail(outcome, "its files would be named " + base + ".csv ..." +
                              (NamedAfterFolder(record, loadPath) ? " after its folder" : "") + ", like those of " +
                              owner + ", written in this run: not written");
            return outcome;
        }
    }
    if (writeFiles && !WriteFiles(base, outcome)) return outcome;
    if (options_.exportAt2 && !WriteAt2Files(base, outcome)) return outcome;
    if (options_.exportSac && !WriteSacFiles(base, outcome)) return outcome;
    if (options_.exportMseed && !WriteMseedFiles(base, outcome)) return outcome;
    if (source != nullptr && !options_.azimuths.empty())
        outcome.notes.push_back("--azimuth: no file for a record read from an archive or a .gz file");
    else if (writeFiles && !WriteSynthesizedFiles(format, outcome))
        return outcome;
    if (options_.rotd && !WriteRotDFile(base, writeFiles, outcome)) return outcome;
    if ((options_.fas || options_.boreholeRatio) && !WriteFourierFiles(base, writeFiles, outcome)) return outcome;
    if (options_.husid && writeFiles && !WriteHusidFiles(base, outcome)) return outcome;
    if (outcome.fourier) outcome.outputBase = name;  // the pair's ratio is named after the station and event
    if (!options_.superposeFile.empty()) {
        if (!CalculateSpectra(outcome)) return outcome;
        const SpectrumDisplaySettings spectrum = SpectrumSettingsFor(record, nullptr);
        outcome.superposeItem = EnlargedItemCurves(
            SpectrumDataOf(*spectrum_), spectrum, EnlargedItemOf(spectrum, spectrum.component, spectrum.quantity));
    }
    // The map is drawn from the records' summary rows.
    const bool summaryRow = !options_.summaryFile.empty() || !options_.mapFile.empty();
    if (summaryRow || options_.info) {
        // The intensity of the whole record, once for the summary and --info.
        const Result<JmaIntensity> intensity = RecordJmaIntensity(record);
        std::optional<RecordMeasures> measures;
        if (options_.measures && !CalculateMeasures(measures, outcome)) return outcome;
        const RecordMeasures* measured = measures ? &*measures : nullptr;
        if (summaryRow && !AddSummaryRow(file, format, intensity, measured, outcome)) return outcome;
        if (options_.info)
            outcome.info = RecordInfo(record, format, file, base, intensity, options_.oscillator, measured)
                               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
    outcome.ok = true;
    return outcome;
}

bool RecordWorker::WriteFiles(const std::string& base, RecordOutcome& outcome) {
    const std::filesystem::path folder(options_.outFolder);
    const SeismicRecord& record = session_->record();

    const std::string csv = (folder / (base + ".csv")).string();
    if (std::string why; !WriteFileAtomically(csv, WaveformCsvText(record, options_.quantity), &why))
        return Fail(outcome, CannotWrite(csv, why));
    outcome.written.push_back(csv);

    if (!WritePicture((folder / (base + ".png")).string(), canvas_.Picture(), outcome)) return false;
    return WriteSpectrumFiles(base, outcome);
}

// --export at2: every component as a PEER .AT2 file.
bool RecordWorker::WriteAt2Files(const std::string& base, RecordOutcome& outcome) {
    const std::vector<At2File> files = RecordAt2Files(session_->record(), base);
    if (files.empty()) return Fail(outcome, "--export at2: " + TrText("batch", "値が有限でないため AT2 ファイルを書けません"));
    for (const At2File& at2 : files) {
        const std::string path = (std::filesystem::path(options_.outFolder) / at2.name).string();
        if (std::string why; !WriteFileAtomically(path, at2.text, &why)) return Fail(outcome, CannotWrite(path, why));
        outcome.written.push_back(path);
    }
    return true;
}

LoadSettings RecordWorker::LoadSettingsOf(RecordFormat format) const {
    LoadSettings settings{format, options_.threeComponents, options_.removeDc};
    settings.galPerUnstatedUnit = options_.galPerUnstatedUnit;
    settings.inventory = options_.inventory;
    settings.findInventory = options_.findInventory;
    settings.differentiateVelocity = options_.differentiateVelocity;
    return settings;
}

// --export mseed: the record as NAME.mseed with its StationXML NAME.xml.
bool RecordWorker::WriteMseedFiles(const std::string& base, RecordOutcome& outcome) {
    const std::optional<MseedExportFiles> files = RecordMseedFiles(session_->record(), base);
    if (!files) return Fail(outcome, "--export mseed: " + TrText("batch", "値が有限でないため miniSEED ファイルを書けません"));
    for (const auto& [name, bytes] : {std::pair{&files->mseedName, &files->mseedBytes}, std::pair{&files->xmlName, &files->xmlText}}) {
        const std::string path = (std::filesystem::path(options_.outFolder) / *name).string();
        if (std::string why; !WriteFileAtomically(path, *bytes, &why)) return Fail(outcome, CannotWrite(path, why));
        outcome.written.push_back(path);
    }
    return true;
}

// --export sac: every component as a binary SAC file.
bool RecordWorker::WriteSacFiles(const std::string& base, RecordOutcome& outcome) {
    const std::vector<SacFile> files = RecordSacFiles(session_->record(), base);
    if (files.empty()) return Fail(outcome, "--export sac: " + TrText("batch", "値が有限でないため SAC ファイルを書けません"));
    for (const SacFile& sac : files) {
        const std::string path = (std::filesystem::path(options_.outFolder) / sac.name).string();
        if (std::string why; !WriteFileAtomically(path, sac.bytes, &why)) return Fail(outcome, CannotWrite(path, why));
        outcome.written.push_back(path);
    }
    return true;
}

bool RecordWorker::WritePicture(const std::string& path, const RgbImage& picture, RecordOutcome& outcome) {
    const PngWriteResult written = WritePngFile(path, picture);
    // The writer's message names the file and why, on lines of its own.
    if (!written.ok) return Fail(outcome, MessageLine(TrText("common", kCannotCreateCaption), written.message));
    outcome.written.push_back(path);
    return true;
}

// The synthesis window's file for every --azimuth, under the name it proposes.
bool RecordWorker::WriteSynthesizedFiles(RecordFormat format, RecordOutcome& outcome) {
    if (options_.azimuths.empty()) return true;
    const SeismicRecord& record = session_->record();
    if (const auto reason = SynthesisUnavailable(record, format)) {
        outcome.notes.push_back(MessageLine(TrText("batch", "合成波形"), *reason) + " (--azimuth: no file)");
        return true;
    }
    for (const int azimuth : options_.azimuths) {
        const std::string path =
            (std::filesystem::path(options_.outFolder) / DefaultSynthesisName(record.componentPath[0], azimuth)).string();
        const Result<SynthesisSummary> written = WriteSynthesizedRecord(record, azimuth, path);
        if (!written) return Fail(outcome, MessageLine(TrText("tools", synthesis_text::kErrorCaption), written.error().message));
        outcome.written.push_back(path);
    }
    return true;
}

bool RecordWorker::CalculateSpectra(RecordOutcome& outcome) {
    if (spectraCalculated_) return true;
    return spectraCalculated_ = SpectraCalculated(*spectrum_, outcome);
}

bool RecordWorker::SpectraCalculated(SpectrumModel& model, RecordOutcome& outcome) {
    switch (model.Calculate(session_->record(), {}, EnginePath::Fast, 1)) {
        case CalculationStatus::Done:
            return true;
        case CalculationStatus::Refused:
            return Fail(outcome, MessageLine(TrText("batch", "応答スペクトル"), model.problem()));
        case CalculationStatus::OutOfMemory:
            break;
    }
    return FailOutOfMemory(outcome, "response spectra");
}

// A one-component record offers only its first component, as the window does.
SpectrumDisplaySettings RecordWorker::SpectrumSettingsFor(const SeismicRecord& record, RecordOutcome* outcome) const {
    SpectrumDisplaySettings settings = options_.spectrum;
    if (record.componentCount == 1 && settings.component != 0) {
        if (outcome != nullptr)
            outcome->notes.push_back(StringPrintf("one component: the spectrum pictures show it, not --spectrum-component %d",
                                                  settings.component + 1));
        settings.component = 0;
    }
    return settings;
}

// The spectrum window's CSV and picture right after 応答ｽﾍﾟｸﾄﾗﾑ, and the
// Sa-Sd picture, each drawn on a graph as its window creates it.
bool RecordWorker::WriteSpectrumFiles(const std::string& base, RecordOutcome& outcome) {
    const std::filesystem::path folder(options_.outFolder);
    if (!CalculateSpectra(outcome)) return false;
    const SpectrumModel& m = *spectrum_;
    const std::string csv = (folder / (base + "rsp.csv")).string();
    if (std::string why; !WriteFileAtomically(csv, SpectrumCsvText(m.source(), m.periods(), m.dampingRatios(), m.spectrum()), &why))
        return Fail(outcome, CannotWrite(csv, why));
    outcome.written.push_back(csv);
    if (!WritePseudoFiles(base, outcome)) return false;

    const SpectrumDisplaySettings settings = SpectrumSettingsFor(session_->record(), &outcome);
    TMyGraph spectrumGraph(spectrumCanvas_, platform_);
    PrepareSpectrumGraph(spectrumGraph);
    spectrumGraph.SubX = m.linearPeriodAxis().subX;  // as the menu sets it
    DrawSpectra(spectrumGraph, SpectrumDataOf(m), settings);
    if (!WritePicture((folder / (base + "rsp.png")).string(), spectrumCanvas_.Picture(), outcome)) return false;

    TMyGraph saSdGraph(saSdCanvas_, platform_);
    PrepareSaSdGraph(saSdGraph);
    DrawSaSd(saSdGraph, m.spectrum(), m.source(),
             SaSdSettings{settings.component, settings.lineWidth, !options_.sdsaFull, settings.targets, settings.pseudo});
    const std::string saSdName =
        StringPrintf("%s_%s_SdSa.png", base.c_str(), SaSdComponentName(m.source(), settings.component).c_str());
    return WritePicture((folder / saSdName).string(), saSdCanvas_.Picture(), outcome);
}

// NAMEpsa.csv (--pseudo) and NAMEspectra.csv (--spectra-table) beside NAMErsp.csv.
bool RecordWorker::WritePseudoFiles(const std::string& base, RecordOutcome& outcome) {
    const std::filesystem::path folder(options_.outFolder);
    const SpectrumModel& m = *spectrum_;
    auto write = [&](bool wanted, const char* suffix, auto text) {
        if (!wanted) return true;
        const std::string csv = (folder / (base + suffix)).string();
        if (std::string why; !WriteFileAtomically(csv, text(m.source(), m.periods(), m.dampingRatios(), m.spectrum()), &why))
            return Fail(outcome, CannotWrite(csv, why));
        outcome.written.push_back(csv);
        return true;
    };
    return write(options_.pseudo, "psa.csv", PseudoCsvText) && write(options_.spectraTable, "spectra.csv", SpectraTableCsvText);
}

}  // namespace tremblo
