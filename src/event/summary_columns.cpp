#include "event/summary_columns.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "common/format.h"
#include "event/summary_row_parse.h"
#include "spectrum/period_table.h"

namespace tremblo {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The period of a "cN_sa5_T.TTTs" column of component N (1 .. 3).
std::optional<double> SaPeriodOf(std::string_view name, int component) {
    const std::string prefix = StringPrintf("c%d_sa5_", component);
    if (!name.starts_with(prefix) || !name.ends_with('s')) return std::nullopt;
    const std::string_view number = name.substr(prefix.size(), name.size() - prefix.size() - 1);
    return ParseDoubleCell(number);
}

}  // namespace

std::string SpectrumColumnTitle(double seconds) {
    const PeriodTable periods = BuildPeriodTable();
    return StringPrintf("SA %.3fs [Gal]", static_cast<double>(periods.periods[NearestPeriodIndex(periods, seconds)]));
}

SummaryColumns::SummaryColumns(std::string_view headerLine) {
    if (headerLine.starts_with(kUtf8Bom)) headerLine.remove_prefix(kUtf8Bom.size());
    const std::vector<std::string> names = SplitCsvLine(headerLine);
    for (std::size_t i = 0; i < names.size(); ++i) positions_.emplace(names[i], i);
    sa02_ = FindNearestPeriodColumns(kEventShortPeriod);
    sa10_ = FindNearestPeriodColumns(kEventLongPeriod);
}

std::optional<std::size_t> SummaryColumns::Find(std::string_view name) const {
    const auto found = positions_.find(name);
    if (found == positions_.end()) return std::nullopt;
    return found->second;
}

SummaryColumns::NearestPeriodColumns SummaryColumns::FindNearestPeriodColumns(double seconds) const {
    NearestPeriodColumns nearest;
    for (int c = 0; c < 3; ++c) {
        std::optional<double> best;
        for (const auto& [name, position] : positions_) {
            const std::optional<double> period = SaPeriodOf(name, c + 1);
            if (!period) continue;
            const bool closer = !best || std::fabs(*period - seconds) < std::fabs(*best - seconds) ||
                                (std::fabs(*period - seconds) == std::fabs(*best - seconds) && *period < *best);
            if (!closer) continue;
            best = period;
            nearest.columns[static_cast<std::size_t>(c)] = position;
        }
        if (!nearest.period) nearest.period = best;
    }
    return nearest;
}

}  // namespace tremblo
