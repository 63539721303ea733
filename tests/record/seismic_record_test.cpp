#include "record/seismic_record.h"

#include <gtest/gtest.h>

#include "common/shift_jis.h"

namespace tremblo {
namespace {

TEST(SeismicRecord, StartsWithZeroedBuffersAndDefaultLabels) {
    SeismicRecord record;
    EXPECT_EQ(record.componentLabel[0], "NS");
    EXPECT_EQ(record.componentLabel[2], "UD");
    EXPECT_EQ(SjisToUtf8(record.quantityLabel[1].view()), "速　度");
    for (int i = 0; i < SAMPLE_CAPACITY; i += 997) EXPECT_EQ(record.samples[2][i], 0.0f);
    EXPECT_FALSE(record.recordLoaded);
}

}  // namespace
}  // namespace tremblo
