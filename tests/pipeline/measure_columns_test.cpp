// The event list's measure columns are the summary's: the names the batch
// writes (measure_values.h) in its order, every one in the header of
// --measures.
#include <gtest/gtest.h>

#include "event/measure_columns.h"
#include "event/summary_columns.h"
#include "pipeline/measure_values.h"
#include "pipeline/record_summary.h"
#include "spectrum/period_table.h"

namespace tremblo {
namespace {

TEST(MeasureColumns, AreTheSummarysColumnsInItsOrder) {
    std::vector<std::string> written;
    for (int c = 1; c <= 3; ++c)
        for (const std::string& name : ComponentMeasureNames()) written.push_back("c" + std::to_string(c) + "_" + name);
    for (const std::string& name : HorizontalMeasureNames()) written.push_back(name);
    std::vector<std::string> offered;
    for (const MeasureColumn& column : MeasureColumns()) offered.push_back(column.name);
    EXPECT_EQ(offered, written);

    const SummaryColumns with(SummaryHeader(BuildPeriodTable(), false, {}, false, true));
    const SummaryColumns without(SummaryHeader(BuildPeriodTable(), false));
    std::optional<std::size_t> previous;
    for (const MeasureColumn& column : MeasureColumns()) {
        const std::optional<std::size_t> at = with.Find(column.name);
        ASSERT_TRUE(at) << column.name;
        if (previous) {
            EXPECT_GT(*at, *previous) << column.name;
        }
        previous = at;
        EXPECT_FALSE(without.Find(column.name)) << column.name;
    }
}

}  // namespace
}  // namespace tremblo
