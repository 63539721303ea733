#pragma once
// The natural periods of the response spectra: 200 periods in a geometric
// series from 0.05 s towards 10 s (10 s itself is not in the table), with
// their frequencies in descending and ascending order.
#include <array>

namespace tremblo {

inline constexpr int PERIOD_COUNT = 200;

struct PeriodTable {
    float minPeriod = 0.05f;
    float maxPeriod = 10.0f;
    float logPeriodStep = 0.0f;                    // natural-log step between neighbours
    std::array<float, PERIOD_COUNT> periods{};     // s, ascending
    std::array<float, PERIOD_COUNT> frequencies{}; // 1 / periods[j], Hz, descending
    std::array<float, PERIOD_COUNT> ascendingFrequencies{};  // entry j = 1 / periods[199 - j]
};

// logPeriodStep = (ln maxPeriod - ln minPeriod) * 0.005 stored in single
// precision; periods[j] = exp(j * logPeriodStep) * minPeriod.
PeriodTable BuildPeriodTable();

// Index of the table period nearest to `seconds` (the first of two as near).
int NearestPeriodIndex(const PeriodTable& periods, double seconds);

// Reverses a 200-entry table in place.
void ReverseTable(std::array<float, PERIOD_COUNT>& table);
void ReverseTable(float* table);

// Number of leading periods drawn on a linear period axis ending at
// `linearPeriodLimit` seconds: trunc((ln limit - ln minPeriod) / step + 1),
// at most 200 (140 for 2 s, 174 for 5 s, 200 for 10 s).
int LinearPeriodCount(const PeriodTable& table, float linearPeriodLimit);

// Point count of a curve on a linear frequency axis: 1 + the index of the
// first ascending frequency above 10 Hz (201 if there were none).
int LinearFrequencyCount(const PeriodTable& table);

}  // namespace tremblo
