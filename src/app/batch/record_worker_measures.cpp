// The event-scale measures of a batch record: RotD50/RotD100 (NAMErotd.csv)
// and the record's row of the summary table.
#include <filesystem>

#include "app/batch/record_summary.h"
#include "app/batch/record_worker.h"
#include "common/atomic_file.h"
#include "common/format.h"
#include "spectrum/rotd_calculation.h"
#include "spectrum/rotd_csv.h"

namespace tremblo {

bool RecordWorker::CalculateRotD(RecordOutcome& outcome, bool* available) {
    const SeismicRecord& record = session_->record();
    *available = !RotDUnavailable(record).has_value();
    if (!*available || rotdCalculated_) return true;
    if (!rotd_) rotd_ = std::make_unique<RotDTable>();
    if (!ComputeRecordRotD(record, spectrum_->periods(), spectrum_->dampingRatios(), *rotd_, EnginePath::Fast, 1))
        return Fail(outcome, "メモリが足りません (RotD50/RotD100)");
    return rotdCalculated_ = true;
}

bool RecordWorker::WriteRotDFile(const std::string& base, bool writeFiles, RecordOutcome& outcome) {
    if (!writeFiles) return true;  // the summary takes the values it needs
    const SeismicRecord& record = session_->record();
    if (const auto reason = RotDUnavailable(record)) {
        outcome.notes.push_back(*reason + " (--rotd: no file)");
        return true;
    }
    bool available = false;
    if (!CalculateRotD(outcome, &available)) return false;
    const std::string csv = (std::filesystem::path(options_.outFolder) / (base + "rotd.csv")).string();
    const std::string text =
        RotDCsvText(SpectrumSourceOf(record), spectrum_->periods(), spectrum_->dampingRatios(), *rotd_);
    if (!WriteFileAtomically(csv, text)) return Fail(outcome, MessageLine(kCannotCreateCaption, CannotCreateText(csv)));
    outcome.written.push_back(csv);
    return true;
}

bool RecordWorker::AddSummaryRow(const std::string& file, RecordFormat format, RecordOutcome& outcome) {
    const SeismicRecord& record = session_->record();
    SummarySpectra spectra;
    bool rotdAvailable = false;
    if (const auto five = FivePercentIndex(spectrum_->dampingRatios())) {
        if (!CalculateSpectra(outcome)) return false;
        spectra.spectrum = &spectrum_->spectrum();
        spectra.dampingIndex = *five;
        if (options_.rotd && !CalculateRotD(outcome, &rotdAvailable)) return false;
        if (rotdAvailable) spectra.rotd = rotd_.get();
    } else {
        // Multiplied ratios have no 5 %: the standard ratios' tables.
        if (!standardSpectrum_) standardSpectrum_ = std::make_unique<SpectrumModel>();
        if (standardSpectrum_->Calculate(record, {}, EnginePath::Fast, 1) != CalculationStatus::Done)
            return Fail(outcome, "メモリが足りません (response spectra)");
        spectra.spectrum = &standardSpectrum_->spectrum();
        spectra.dampingIndex = *FivePercentIndex(standardSpectrum_->dampingRatios());
        if (options_.rotd && !RotDUnavailable(record)) {
            if (!standardRotd_) standardRotd_ = std::make_unique<RotDTable>();
            if (!ComputeRecordRotD(record, standardSpectrum_->periods(), standardSpectrum_->dampingRatios(),
                                   *standardRotd_, EnginePath::Fast, 1))
                return Fail(outcome, "メモリが足りません (RotD50/RotD100)");
            spectra.rotd = standardRotd_.get();
        }
    }
    outcome.summaryRow = SummaryRow(record, format, file, spectrum_->periods(), spectra, options_.rotd);
    return true;
}

}  // namespace tremblo
