// The event-scale measures of a batch record: RotD50/RotD100 (NAMErotd.csv)
// and the record's row of the summary table.
#include <filesystem>

#include "common/translation.h"
#include "pipeline/record_summary.h"
#include "pipeline/record_worker.h"
#include "common/atomic_file.h"
#include "common/format.h"
#include "spectrum/rotd_calculation.h"
#include "spectrum/rotd_csv.h"

namespace tremblo {

namespace {

// The entries the summary reports: SA at the 5 % ratio, at its six periods.
// With pseudo values, SD (PSA is its multiple).
RotDSelection SummaryEntries(const PeriodTable& periods, int dampingIndex, bool pseudo) {
    RotDSelection selection;
    selection.quantities = {!pseudo, false, pseudo};
    for (double seconds : kSummaryPeriods)
        selection.oscillators.push_back(dampingIndex * PERIOD_COUNT + NearestPeriodIndex(periods, seconds));
    return selection;
}

}  // namespace

bool RecordWorker::CalculateRotD(RecordOutcome& outcome, bool* available, bool wholeTable) {
    const SeismicRecord& record = session_->record();
    *available = !RotDUnavailable(record).has_value();
    const RotDState wanted = wholeTable ? RotDState::Whole : RotDState::SummaryEntries;
    if (!*available || rotdState_ == RotDState::Whole || rotdState_ == wanted) return true;
    if (!rotd_) rotd_ = std::make_unique<RotDTable>();
    const auto five = FivePercentIndex(spectrum_->dampingRatios());
    const RotDSelection selection =
        wholeTable || !five ? RotDSelection::All() : SummaryEntries(spectrum_->periods(), *five, options_.pseudo);
    const RotDStatus status = ComputeRecordRotD(record, spectrum_->periods(), spectrum_->dampingRatios(), *rotd_,
                                                EnginePath::Fast, 1, selection, spectrum_->oscillatorMethod());
    if (!status.done())
        return status.status == CalculationStatus::OutOfMemory ? FailOutOfMemory(outcome, "RotD50/RotD100")
                                                               : Fail(outcome, status.problem);
    rotdState_ = wanted;
    return true;
}

bool RecordWorker::WriteRotDFile(const std::string& base, bool writeFiles, RecordOutcome& outcome) {
    if (!writeFiles) return true;  // the summary takes the values it needs
    const SeismicRecord& record = session_->record();
    if (const auto reason = RotDUnavailable(record)) {
        outcome.notes.push_back(*reason + " (--rotd: no file)");
        return true;
    }
    bool available = false;
    if (!CalculateRotD(outcome, &available, true)) return false;
    const std::string csv = (std::filesystem::path(options_.outFolder) / (base + "rotd.csv")).string();
    const std::string text =
        RotDCsvText(SpectrumSourceOf(record), spectrum_->periods(), spectrum_->dampingRatios(), *rotd_, options_.oscillator);
    if (std::string why; !WriteFileAtomically(csv, text, &why))
        return Fail(outcome, MessageLine(TrText("common", kCannotCreateCaption), CannotCreateText(csv) + " (" + why + ")"));
    outcome.written.push_back(csv);
    return true;
}

bool RecordWorker::AddSummaryRow(const std::string& file, RecordFormat format,
                                 const Result<JmaIntensity>& intensity, const RecordMeasures* measures,
                                 RecordOutcome& outcome) {
    const SeismicRecord& record = session_->record();
    SummarySpectra spectra;
    spectra.pseudo = options_.pseudo;
    bool rotdAvailable = false;
    if (const auto five = FivePercentIndex(spectrum_->dampingRatios())) {
        if (!CalculateSpectra(outcome)) return false;
        spectra.spectrum = &spectrum_->spectrum();
        spectra.dampingIndex = *five;
        if (options_.rotd && !CalculateRotD(outcome, &rotdAvailable, false)) return false;
        if (rotdAvailable) spectra.rotd = rotd_.get();
    } else {
        // Multiplied ratios have no 5 %: the standard ratios' tables.
        if (!standardSpectrum_) {
            standardSpectrum_ = std::make_unique<SpectrumModel>();
            standardSpectrum_->SetOscillatorMethod(options_.oscillator);
        }
        if (!SpectraCalculated(*standardSpectrum_, outcome)) return false;
        spectra.spectrum = &standardSpectrum_->spectrum();
        spectra.dampingIndex = *FivePercentIndex(standardSpectrum_->dampingRatios());
        if (options_.rotd && !RotDUnavailable(record)) {
            if (!standardRotd_) standardRotd_ = std::make_unique<RotDTable>();
            const int five = *FivePercentIndex(standardSpectrum_->dampingRatios());
            const RotDStatus status = ComputeRecordRotD(
                record, standardSpectrum_->periods(), standardSpectrum_->dampingRatios(), *standardRotd_,
                EnginePath::Fast, 1, SummaryEntries(standardSpectrum_->periods(), five, options_.pseudo), standardSpectrum_->oscillatorMethod());
            if (!status.done())
                return status.status == CalculationStatus::OutOfMemory ? FailOutOfMemory(outcome, "RotD50/RotD100")
                                                                       : Fail(outcome, status.problem);
            spectra.rotd = standardRotd_.get();
        }
    }
    std::vector<std::string> notFinite;
    outcome.summaryRow = SummaryRow(record, format, file, spectrum_->periods(), spectra, options_.rotd, intensity,
                                    options_.spectrum.targets, &notFinite, measures);
    if (!notFinite.empty()) {
        std::string columns;
        for (const std::string& column : notFinite) columns += (columns.empty() ? "" : ", ") + column;
        outcome.notes.push_back(
            StringPrintf(TrText("batch", "要約表で空欄にした値 (有限の数になりません): %s").c_str(), columns.c_str()));
    }
    return true;
}

}  // namespace tremblo
