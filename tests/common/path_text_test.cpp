#include "common/path_text.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace tremblo {
namespace {

TEST(FindFileIgnoringCase, TriesTheCaseVariantsThenOneSharedListing) {
    testing::TempFolder temp;
    const std::string upper = temp.Write("in/AIC0012411051012.NS2", "x");
    const std::string mixed = temp.Write("in/AIC0012411051012.Ew2", "x");
    FolderListings listings;
    EXPECT_EQ(FindFileIgnoringCase(temp / "in/AIC0012411051012.ns2", &listings), upper);
    EXPECT_EQ(FindFileIgnoringCase(temp / "in/aic0012411051012.ns2", &listings), upper);
    // Only a listing finds a mixed case; the folder is listed once and kept.
    EXPECT_EQ(FindFileIgnoringCase(temp / "in/AIC0012411051012.ew2", &listings), mixed);
    const std::string later = temp.Write("in/AIC0012411051012.Ud2", "x");
    EXPECT_EQ(FindFileIgnoringCase(temp / "in/AIC0012411051012.ud2", &listings), std::nullopt);
    EXPECT_EQ(FindFileIgnoringCase(temp / "in/AIC0012411051012.ud2"), later);  // a fresh listing
    EXPECT_EQ(listings.Names(temp / "in").size(), 2u);
}

}  // namespace
}  // namespace tremblo
