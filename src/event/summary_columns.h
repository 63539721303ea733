#pragma once
// The column layout of a summary table, read from its header line. Columns
// are found by name, so a table with or without the RotD columns reads the
// same way.
#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tremblo {

// The table periods (s) the event list shows SA at: the summary's period
// columns nearest to these.
inline constexpr double kEventShortPeriod = 0.2;
inline constexpr double kEventLongPeriod = 1.0;

// "SA 0.198s [Gal]": the title of the SA shown for `seconds`, at the table
// period the summary reports.
std::string SpectrumColumnTitle(double seconds);

class SummaryColumns {
public:
    explicit SummaryColumns(std::string_view headerLine);

    // The position of the column of this name.
    std::optional<std::size_t> Find(std::string_view name) const;
    // A header of the batch's summary: it has the `file` and `error` columns.
    bool IsSummaryHeader() const { return Find("file") && Find("error"); }

    // The cN_sa5_T.TTTs column of component c (0 .. 2) whose period is
    // nearest 0.2 s or 1.0 s, and that period as the header gives it.
    std::optional<std::size_t> Sa02Column(int component) const { return sa02_.columns[Slot(component)]; }
    std::optional<std::size_t> Sa10Column(int component) const { return sa10_.columns[Slot(component)]; }
    std::optional<double> sa02Period() const { return sa02_.period; }
    std::optional<double> sa10Period() const { return sa10_.period; }

private:
    struct NearestPeriodColumns {
        std::array<std::optional<std::size_t>, 3> columns;
        std::optional<double> period;  // of the first component that has one
    };
    static std::size_t Slot(int component) { return static_cast<std::size_t>(component < 0 || component > 2 ? 0 : component); }
    NearestPeriodColumns FindNearestPeriodColumns(double seconds) const;

    std::map<std::string, std::size_t, std::less<>> positions_;
    NearestPeriodColumns sa02_;
    NearestPeriodColumns sa10_;
};

}  // namespace tremblo
