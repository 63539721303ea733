#pragma once
// The summary table of --summary: one CSV row per record (UTF-8, RFC 4180
// quoting) with the measures that event reports use: header values, peak
// ground motion, JMA intensity and 5 % damped spectral accelerations at six
// periods, single components and, with --rotd, RotD50/RotD100.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/result.h"
#include "record/seismic_record.h"
#include "spectrum/record_measures.h"
#include "spectrum/rotd_table.h"
#include "spectrum/spectrum_table.h"
#include "target/target_spectrum.h"
#include "wave/jma_intensity.h"

namespace tremblo {

// The periods (s) the summary reports, each taken as the nearest period of the table.
inline constexpr std::array<double, 6> kSummaryPeriods{0.1, 0.2, 0.5, 1.0, 2.0, 5.0};

// The index of the 5 % ratio, when the ratios have one.
std::optional<int> FivePercentIndex(const DampingRatios& ratios);

// The spectral values a row reports, from tables of the record.
struct SummarySpectra {
    const SpectrumTable* spectrum = nullptr;  // SA of each component
    const RotDTable* rotd = nullptr;          // null: RotD cells empty
    int dampingIndex = 3;                     // the 5 % ratio in both tables
    bool pseudo = false;  // PSA = (2 pi / T)^2 SD in place of SA, RotD of SD so scaled
};

// The header line; RotD columns only when withRotD; with withMeasures the
// columns of --measures (measure_values.h: cN_arias ... cN_si for each
// component, then si_horizontal ... pgd_rotd100); for each target (by its
// key) KEY_max_ratio and KEY_max_ratio_period, before `error`.
// With `pseudo` the spectral columns are named cN_psa5_T.TTTs (rotd50_psa5_...).
std::string SummaryHeader(const PeriodTable& periods, bool withRotD, std::span<const TargetSpectrum> targets = {},
                          bool pseudo = false, bool withMeasures = false);

// The row of a loaded record whose waveform view is prepared (the window's
// velocity and displacement derived). `file` is the name given on the
// command line; `intensity` is RecordJmaIntensity(record). A target's
// cells hold the largest ratio of SA at 5 % to the target's SA over the
// table periods the target is defined at, SA being that of the largest
// horizontal component at each period, and the period of that ratio; empty
// without a horizontal component or a period the target is defined at.
// A value that is not a finite number (a ratio beyond single precision,
// say) leaves its cell empty too; the names of such cells are added to
// `notFinite` when given. With `measures` (ComputeRecordMeasures of the
// record) the row has the columns of --measures, in single precision as
// every value; a value the record has not leaves its cell empty.
std::string SummaryRow(const SeismicRecord& record, RecordFormat format, const std::string& file,
                       const PeriodTable& periods, const SummarySpectra& spectra, bool withRotD,
                       const Result<JmaIntensity>& intensity, std::span<const TargetSpectrum> targets = {},
                       std::vector<std::string>* notFinite = nullptr, const RecordMeasures* measures = nullptr);

// The columns of --measures alone, as the summary names and writes them:
// the header line and the record's row (CR LF), every component's cells
// whether the record has it or not. The intensity window's table file.
std::string MeasureColumnsCsv(const RecordMeasures& measures);

// The row of a record that failed: its file, the station code its file
// name tells (K-NET/KiK-net names) and its error, every other cell empty.
std::string FailedSummaryRow(const std::string& file, const std::string& error, bool withRotD,
                             std::size_t targetCount = 0, bool withMeasures = false);

}  // namespace tremblo
