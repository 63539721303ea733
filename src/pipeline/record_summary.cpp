#include "pipeline/record_summary.h"

#include "record/agency_record.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "pipeline/measure_values.h"
#include "pipeline/record_info.h"
#include "common/escaped_text.h"
#include "common/format.h"
#include "common/shift_jis.h"
#include "event/event_row.h"
#include "record/component_names.h"
#include "spectrum/pseudo_spectra.h"
#include "target/target_ratio.h"
#include "wave/jma_intensity.h"
#include "wave/trace_peak.h"

namespace tremblo {

namespace {

// Cells before the component columns, and per component.
constexpr const char* kRecordColumns[] = {
    "file", "format", "station_code", "station_name", "station_lat", "station_lon", "station_height_m",
    "origin_time", "event_lat", "event_lon", "event_depth_km", "magnitude", "sampling_hz", "sample_count"};
constexpr const char* kComponentColumns[] = {"label", "pga_gal", "pgv_kine", "pgd_cm"};

std::string Quoted(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + "\"";
}

// A float in its shortest decimal form (as --info prints it).
std::string Shortest(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// Cells are UTF-8 whatever they were given: file names come as the file
// system holds them (often Shift-JIS), and messages name those files. What
// could act on a terminal showing the table is escaped.
class Row {
public:
    void Add(const std::string& text) { cells_.push_back(Quoted(EscapedUtf8(text))); }
    // A number that is not finite (an overflow, say) leaves its cell empty,
    // and its place is kept to be named.
    void AddNumber(float value) {
        if (!std::isfinite(value)) notFinite_.push_back(cells_.size());
        cells_.push_back(std::isfinite(value) ? Shortest(value) : std::string());
    }
    const std::vector<std::size_t>& notFinite() const { return notFinite_; }
    const std::vector<std::string>& cells() const { return cells_; }
    // A value a file states, in its shortest form; empty when not stated.
    void AddOptional(const std::optional<double>& value) {
        char text[32];
        cells_.push_back(value && std::isfinite(*value)
                             ? std::string(text, std::to_chars(text, text + sizeof text, *value).ptr)
                             : std::string());
    }
    void AddEmpty(int count) { cells_.insert(cells_.end(), static_cast<std::size_t>(count), std::string()); }
    // A measure in single precision, as every value of the table; empty when there is none.
    void AddMeasure(const std::optional<double>& value) {
        if (value)
            AddNumber(static_cast<float>(*value));
        else
            AddEmpty(1);
    }
    std::string Line() const {
        std::string line;
        for (std::size_t i = 0; i < cells_.size(); ++i) line += (i ? "," : "") + cells_[i];
        return line + "\r\n";
    }

private:
    std::vector<std::string> cells_;
    std::vector<std::size_t> notFinite_;
};

constexpr int kRecordCells = sizeof kRecordColumns / sizeof *kRecordColumns;
constexpr int kComponentCells = MAX_COMPONENTS * (sizeof kComponentColumns / sizeof *kComponentColumns);
constexpr int kPeriodCount = static_cast<int>(kSummaryPeriods.size());

int MeasureCells() {
    return static_cast<int>(MAX_COMPONENTS * ComponentMeasureNames().size() + HorizontalMeasureNames().size());
}

int ValueCells(bool withRotD, std::size_t targetCount, bool withMeasures) {
    return kComponentCells + 2 + MAX_COMPONENTS * kPeriodCount + (withRotD ? 2 * kPeriodCount : 0) +
           (withMeasures ? MeasureCells() : 0) + 2 * static_cast<int>(targetCount);
}

void AddMeasureCells(Row& row, const RecordMeasures& measures) {
    for (int c = 0; c < MAX_COMPONENTS; ++c) {
        if (c >= measures.componentCount) {
            row.AddEmpty(static_cast<int>(ComponentMeasureNames().size()));
            continue;
        }
        for (const NamedMeasure& m : ComponentMeasureValues(measures.components[static_cast<std::size_t>(c)]))
            row.AddMeasure(m.value);
    }
    for (const NamedMeasure& m : HorizontalMeasureValues(measures)) row.AddMeasure(m.value);
}

void AddMeasureNames(Row& row) {
    for (int c = 1; c <= MAX_COMPONENTS; ++c)
        for (const std::string& name : ComponentMeasureNames()) row.Add(StringPrintf("c%d_%s", c, name.c_str()));
    for (const std::string& name : HorizontalMeasureNames()) row.Add(name);
}

// SA (or PSA) of component c at period index j.
float SpectralAcceleration(const SummarySpectra& spectra, const PeriodTable& periods, int c, int j) {
    if (!spectra.pseudo) return spectra.spectrum->at(c, spectra.dampingIndex, SA, j);
    return PseudoAcceleration(periods.periods[static_cast<size_t>(j)], spectra.spectrum->at(c, spectra.dampingIndex, SD, j));
}

// SA at each table period of the largest horizontal component; nothing
// when the record has no horizontal component.
std::optional<std::array<float, PERIOD_COUNT>> LargestHorizontalSa(const SeismicRecord& r,
                                                                   const SummarySpectra& spectra,
                                                                   const PeriodTable& periods) {
    if (spectra.spectrum == nullptr) return std::nullopt;
    std::optional<std::array<float, PERIOD_COUNT>> largest;
    for (int c = 0; c < r.componentCount && c < MAX_COMPONENTS; ++c) {
        if (IsVerticalLabel(SjisToUtf8(r.componentLabel[c].view()))) continue;
        if (!largest) largest.emplace().fill(0.0f);
        for (int j = 0; j < PERIOD_COUNT; ++j)
            (*largest)[j] = std::max((*largest)[j], SpectralAcceleration(spectra, periods, c, j));
    }
    return largest;
}

}  // namespace

std::optional<int> FivePercentIndex(const DampingRatios& ratios) {
    for (int k = 0; k < DAMPING_COUNT; ++k)
        if (ratios[k] == 0.05f) return k;
    return std::nullopt;
}

namespace {

Row HeaderRow(const PeriodTable& periods, bool withRotD, std::span<const TargetSpectrum> targets, bool pseudo,
              bool withMeasures) {
    Row row;
    for (const char* column : kRecordColumns) row.Add(column);
    for (int c = 1; c <= MAX_COMPONENTS; ++c)
        for (const char* column : kComponentColumns) row.Add(StringPrintf("c%d_%s", c, column));
    row.Add("jma_intensity");
    row.Add("jma_class");
    auto periodColumns = [&](const std::string& prefix) {
        for (double seconds : kSummaryPeriods)
            row.Add(StringPrintf("%s_%s5_%.3fs", prefix.c_str(), pseudo ? "psa" : "sa",
                                 periods.periods[NearestPeriodIndex(periods, seconds)]));
    };
    for (int c = 1; c <= MAX_COMPONENTS; ++c) periodColumns(StringPrintf("c%d", c));
    if (withRotD) {
        periodColumns("rotd50");
        periodColumns("rotd100");
    }
    if (withMeasures) AddMeasureNames(row);
    for (const TargetSpectrum& target : targets) {
        row.Add(target.key + "_max_ratio");
        row.Add(target.key + "_max_ratio_period");
    }
    row.Add("error");
    return row;
}

}  // namespace

std::string SummaryHeader(const PeriodTable& periods, bool withRotD, std::span<const TargetSpectrum> targets,
                          bool pseudo, bool withMeasures) {
    return HeaderRow(periods, withRotD, targets, pseudo, withMeasures).Line();
}

std::string SummaryRow(const SeismicRecord& r, RecordFormat format, const std::string& file,
                       const PeriodTable& periods, const SummarySpectra& spectra, bool withRotD,
                       const Result<JmaIntensity>& intensity, std::span<const TargetSpectrum> targets,
                       std::vector<std::string>* notFinite, const RecordMeasures* measures) {
    Row row;
    row.Add(file);
    row.Add(FormatOptionName(format));
    row.Add(SjisToUtf8(r.stationCode.view()));
    row.Add(SjisToUtf8(r.currentStation.name.view()));
    // Coordinates, heights and the event come from K-NET/KiK-net headers,
    // and from the agency files that state them.
    if (format == RecordFormat::Knet) {
        row.AddNumber(r.stationLat);
        row.AddNumber(r.stationLon);
        row.Add(std::to_string(r.stationHeight));
        row.Add(SjisToUtf8(r.originDate.str() + " " + r.originTime.str()));
        row.AddNumber(r.epicenterLat);
        row.AddNumber(r.epicenterLon);
        row.Add(std::to_string(r.depthKm));
        row.AddNumber(r.magnitude);
    } else if (IsAgencyFormat(format)) {
        const ChannelHeader& h = r.stated;
        row.AddOptional(h.stationLat);
        row.AddOptional(h.stationLon);
        row.AddOptional(h.stationElevationM);
        row.Add(h.originTime ? StatedTimeText(*h.originTime) : std::string());
        row.AddOptional(h.epicenterLat);
        row.AddOptional(h.epicenterLon);
        row.AddOptional(h.depthKm);
        row.AddOptional(h.magnitude);
    } else {
        row.AddEmpty(3);
        row.Add(SjisToUtf8(r.originDate.str() + " " + r.originTime.str()));
        row.AddEmpty(4);
    }
    row.Add(std::to_string(r.samplingFrequency));
    row.Add(std::to_string(r.sampleCount));
    const int window = std::max(r.windowLength, 0);
    for (int c = 0; c < MAX_COMPONENTS; ++c) {
        if (c >= r.componentCount) {
            row.AddEmpty(4);
            continue;
        }
        row.Add(SjisToUtf8(r.componentLabel[c].view()));
        row.AddNumber(FindPeak(r.sampleCount, r.samples[c].data()).value);
        row.AddNumber(FindPeak(window, r.velocity[c].data()).value);
        row.AddNumber(FindPeak(window, r.displacement[c].data()).value);
    }
    if (intensity) {
        row.Add(StringPrintf("%.1f", intensity.value().reported));
        row.Add(intensity.value().className);
    } else {
        row.AddEmpty(2);
    }
    for (int c = 0; c < MAX_COMPONENTS; ++c) {
        for (double seconds : kSummaryPeriods) {
            if (c < r.componentCount && spectra.spectrum != nullptr)
                row.AddNumber(SpectralAcceleration(spectra, periods, c, NearestPeriodIndex(periods, seconds)));
            else
                row.AddEmpty(1);
        }
    }
    if (withRotD) {
        for (bool median : {true, false}) {
            for (double seconds : kSummaryPeriods) {
                if (spectra.rotd == nullptr) {
                    row.AddEmpty(1);
                    continue;
                }
                const int j = NearestPeriodIndex(periods, seconds);
                const RotDValues& v = spectra.rotd->at(spectra.dampingIndex, spectra.pseudo ? SD : SA, j);
                const float value = median ? v.rotd50 : v.rotd100;
                row.AddNumber(spectra.pseudo ? PseudoAcceleration(periods.periods[j], value) : value);
            }
        }
    }
    if (measures != nullptr) AddMeasureCells(row, *measures);
    if (!targets.empty()) {
        const auto sa = LargestHorizontalSa(r, spectra, periods);
        for (const TargetSpectrum& target : targets) {
            const auto largest = sa ? LargestTargetRatio(target, periods.periods, *sa) : std::nullopt;
            if (!largest) {
                row.AddEmpty(2);
                continue;
            }
            row.AddNumber(largest->ratio);
            if (std::isfinite(largest->ratio))
                row.AddNumber(largest->period);
            else
                row.AddEmpty(1);  // the period of no ratio
        }
    }
    row.AddEmpty(1);  // no error
    if (notFinite != nullptr) {
        const Row header = HeaderRow(periods, withRotD, targets, spectra.pseudo, measures != nullptr);
        for (std::size_t cell : row.notFinite()) notFinite->push_back(header.cells()[cell]);
    }
    return row.Line();
}

std::string MeasureColumnsCsv(const RecordMeasures& measures) {
    Row header, row;
    AddMeasureNames(header);
    AddMeasureCells(row, measures);
    return header.Line() + row.Line();
}

std::string FailedSummaryRow(const std::string& file, const std::string& error, bool withRotD,
                             std::size_t targetCount, bool withMeasures) {
    Row row;
    row.Add(file);
    row.AddEmpty(1);  // format
    row.Add(KnetStationCodeOfName(PlaceOfRecordFile(file).name));
    row.AddEmpty(kRecordCells - 3 + ValueCells(withRotD, targetCount, withMeasures));
    row.Add(error);
    return row.Line();
}

}  // namespace tremblo
