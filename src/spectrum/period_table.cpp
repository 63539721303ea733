#include "spectrum/period_table.h"

#include <algorithm>
#include <cmath>

namespace tremblo {

PeriodTable BuildPeriodTable() {
    PeriodTable t;
    t.logPeriodStep = static_cast<float>(
        (std::log(static_cast<double>(t.maxPeriod)) - std::log(static_cast<double>(t.minPeriod))) *
        0.005);
    std::array<float, PERIOD_COUNT> third{};
    for (int j = 0; j < PERIOD_COUNT; ++j) {
        t.periods[j] = static_cast<float>(std::exp(j * static_cast<double>(t.logPeriodStep)) *
                                          static_cast<double>(t.minPeriod));
        t.frequencies[j] = 1.0f / t.periods[j];
        third[j] = 1.0f / t.periods[j];
    }
    ReverseTable(third);
    t.ascendingFrequencies = third;
    return t;
}

int NearestPeriodIndex(const PeriodTable& periods, double seconds) {
    int nearest = 0;
    for (int j = 1; j < PERIOD_COUNT; ++j)
        if (std::fabs(periods.periods[j] - seconds) < std::fabs(periods.periods[nearest] - seconds)) nearest = j;
    return nearest;
}

void ReverseTable(std::array<float, PERIOD_COUNT>& table) { std::reverse(table.begin(), table.end()); }

void ReverseTable(float* table) { std::reverse(table, table + PERIOD_COUNT); }

int LinearPeriodCount(const PeriodTable& table, float linearPeriodLimit) {
    const double count = (std::log(static_cast<double>(linearPeriodLimit)) -
                          std::log(static_cast<double>(table.minPeriod))) /
                             static_cast<double>(table.logPeriodStep) +
                         1.0;
    if (!(count < PERIOD_COUNT)) return PERIOD_COUNT;
    return count > 0.0 ? static_cast<int>(std::trunc(count)) : 0;
}

int LinearFrequencyCount(const PeriodTable& table) {
    for (int j = 0; j < PERIOD_COUNT; ++j) {
        if (table.ascendingFrequencies[j] > 10.0f) return j + 1;
    }
    return PERIOD_COUNT + 1;
}

}  // namespace tremblo
