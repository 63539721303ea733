#pragma once
// One worker of the batch: loads one record at a time into its own session,
// prepares and draws the waveform view as the main window does, computes and
// draws the spectra as the spectrum and Sa-Sd windows do and writes the
// files the windows export, under the windows' default names.
#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "pipeline/pipeline_settings.h"
#include "pipeline/console_platform.h"
#include "fourier/fourier_spectra.h"
#include "plot/canvas/raster_canvas.h"
#include "plot/my_wave.h"
#include "record/record_session.h"
#include "spectrum/enlarged_drawing.h"
#include "spectrum/record_measures.h"
#include "spectrum/rotd_table.h"
#include "spectrum/spectrum_model.h"
#include "wave/jma_intensity.h"
#include "wave/motion_derivation.h"

namespace tremblo {

struct RecordOutcome {
    std::string file;
    bool ok = false;
    std::string failure;               // the reason, when !ok
    std::vector<std::string> notes;    // messages of a load that went on
    std::vector<std::string> written;  // paths of the files written
    std::string info;                  // the --info JSON object, one line
    std::string sameAs;                // an earlier file of the same record: not loaded again
    std::optional<ItemCurves> superposeItem;  // with --superpose: the record's enlarged item
    std::string summaryRow;            // with --summary: the record's row (a loaded record)
    bool skipped = false;              // not processed: the run was stopped
    // With --borehole-ratio, a KiK-net record's Fourier spectra and the base
    // name of its files, for the pair's ratio.
    std::shared_ptr<const FourierSpectra> fourier;
    std::string outputBase;
};

// Base name of the exported files: the record's eventName, as the windows
// propose it; when that is empty (a K-NET/KiK-net station missing from the
// directory) the chosen file's name (`loadPath`) up to its first period. A
// file with nothing before its period (".NS") is named after the folder
// holding it, found from its shown name `file` (an archive member's folder,
// or the archive, without its extension, for a member at its top), not left
// a hidden ".csv".
std::string OutputBaseName(const SeismicRecord& record, const std::string& loadPath, const std::string& file);
// The base name is that of the folder: another record of the run may get it too.
bool NamedAfterFolder(const SeismicRecord& record, const std::string& loadPath);

// The base names taken in one run by the records writing files, shared by
// the workers, so that two of them never write over each other.
class OutputNameClaims {
public:
    // The file that took `name` before, or empty when `file` takes it now.
    std::string Claim(const std::string& name, const std::string& file);

private:
    std::mutex mutex_;
    std::map<std::string, std::string> owners_;
};

class RecordWorker {
public:
    // The directory is only read, and may be shared by every worker.
    // Folders are listed through `listings` (shared by the workers of a batch).
    // Records named after their folder claim their names in `claims`.
    RecordWorker(const StationDirectory& directory, const PipelineSettings& options,
                 FolderListings* listings = nullptr, OutputNameClaims* claims = nullptr);
    ~RecordWorker();

    RecordOutcome Process(const std::string& file, RecordFormat format);
    // A record read through `source` (plain files when nullptr) by the path
    // `loadPath`; messages and --info name it `file`.
    RecordOutcome Process(const std::string& file, const std::string& loadPath, RecordFormat format,
                          RecordFileSource* source);

private:
    bool WriteFiles(const std::string& base, RecordOutcome& outcome);
    bool WriteAt2Files(const std::string& base, RecordOutcome& outcome);
    bool WriteSacFiles(const std::string& base, RecordOutcome& outcome);
    bool WriteMseedFiles(const std::string& base, RecordOutcome& outcome);
    LoadSettings LoadSettingsOf(RecordFormat format) const;
    bool CalculateSpectra(RecordOutcome& outcome);
    // Runs the model's calculation on the record; a refusal or short memory
    // fails the outcome.
    bool SpectraCalculated(SpectrumModel& model, RecordOutcome& outcome);
    bool WritePseudoFiles(const std::string& base, RecordOutcome& outcome);
    // RotD50/RotD100 of the record with the spectra's ratios: the whole
    // table, or only the summary's entries (SA at 5 %, six periods); computed
    // once a record. False with the failure set; *available says whether the
    // record has them.
    bool CalculateRotD(RecordOutcome& outcome, bool* available, bool wholeTable);
    bool WriteRotDFile(const std::string& base, bool writeFiles, RecordOutcome& outcome);
    // `measures`: with --measures, the record's (its columns in the row).
    bool AddSummaryRow(const std::string& file, RecordFormat format, const Result<JmaIntensity>& intensity,
                       const RecordMeasures* measures, RecordOutcome& outcome);
    // --measures: the record's intensity measures over the whole record, the
    // reasons for missing ones as notes. False with the failure set.
    bool CalculateMeasures(std::optional<RecordMeasures>& measures, RecordOutcome& outcome);
    // --husid: NAMEhusid.csv and NAMEhusid.png.
    bool WriteHusidFiles(const std::string& base, RecordOutcome& outcome);
    SpectrumDisplaySettings SpectrumSettingsFor(const SeismicRecord& record, RecordOutcome* outcome) const;
    bool WriteSpectrumFiles(const std::string& base, RecordOutcome& outcome);
    bool WritePicture(const std::string& path, const RgbImage& picture, RecordOutcome& outcome);
    bool WriteSynthesizedFiles(RecordFormat format, RecordOutcome& outcome);
    // --fas and --borehole-ratio: the Fourier window's CSV and picture, and
    // the spectra of a KiK-net record kept for its pair.
    bool WriteFourierFiles(const std::string& base, bool writeFiles, RecordOutcome& outcome);
    bool Fail(RecordOutcome& outcome, std::string reason);
    // Fails for want of memory while computing `what`.
    bool FailOutOfMemory(RecordOutcome& outcome, const char* what);

    const StationDirectory& directory_;
    const PipelineSettings& options_;
    FolderListings* listings_;
    OutputNameClaims* claims_;
    ConsolePlatform platform_;
    std::unique_ptr<RecordSession> session_;
    std::unique_ptr<DerivationWorkspace> workspace_;
    std::unique_ptr<SpectrumModel> spectrum_;
    bool spectraCalculated_ = false;        // spectrum_ holds the current record's table
    std::unique_ptr<RotDTable> rotd_;
    enum class RotDState { None, SummaryEntries, Whole } rotdState_ = RotDState::None;
    // With multiplied damping ratios, the summary's 5 % values come from
    // tables with the standard ratios (made when first needed).
    std::unique_ptr<SpectrumModel> standardSpectrum_;
    std::unique_ptr<RotDTable> standardRotd_;
    RasterCanvas canvas_;
    TMyWave wave_;
    RasterCanvas spectrumCanvas_, saSdCanvas_;  // prepared anew for every record
    std::unique_ptr<RasterCanvas> fourierCanvas_;  // made at the first --fas record
    std::unique_ptr<RasterCanvas> husidCanvas_;    // made at the first --husid record
    std::map<float, std::array<float, BANDPASS_TAPS>> filterTaps_;
};

}  // namespace tremblo
