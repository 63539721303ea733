#include "record/component_names.h"

#include <gtest/gtest.h>

#include "common/path_text.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

TEST(HasShortExtension, JudgesTheFileNameOnly) {
    EXPECT_TRUE(HasShortExtension("/eq/X.AB"));
    EXPECT_TRUE(HasShortExtension("/eq/AIC001R0102.EW2"));
    EXPECT_FALSE(HasShortExtension("/eq/X.ABCD"));
    EXPECT_FALSE(HasShortExtension("/eq/X"));
    EXPECT_FALSE(HasShortExtension("/eq/X.NS.bak"));  // counted from the first period
    // A period in a folder name is no reason to refuse the file.
    EXPECT_TRUE(HasShortExtension("/home/first.last/eq/X.NS"));
    EXPECT_FALSE(HasShortExtension("/home/first.last/eq/X"));
}

TEST(KnetComponentNames, AnyOfTheThreeFilesGivesTheSameTriple) {
    for (const char* picked : {"/d/eq.v2/AIC001R0102.EW2", "/d/eq.v2/AIC001R0102.ns2",
                               "/d/eq.v2/AIC001R0102.Ud2"}) {
        const auto names = DeriveKnetComponentNames(picked, true);
        EXPECT_EQ(names.paths[0], "/d/eq.v2/AIC001R0102.ns2") << picked;
        EXPECT_EQ(names.paths[1], "/d/eq.v2/AIC001R0102.ew2");
        EXPECT_EQ(names.paths[2], "/d/eq.v2/AIC001R0102.ud2");
        EXPECT_EQ(names.labels[0], "NS2");
        EXPECT_EQ(names.labels[2], "UD2");
    }
    const auto plain = DeriveKnetComponentNames("/eq/X.NS", true);
    EXPECT_EQ(plain.paths[1], "/eq/X.ew");
    EXPECT_EQ(plain.labels[1], "EW");
}

TEST(KnetComponentNames, OneComponentKeepsThePathAndLabelsItByItsExtension) {
    const auto names = DeriveKnetComponentNames("/eq/X.ns1", false);
    EXPECT_EQ(names.paths[0], "/eq/X.ns1");
    EXPECT_EQ(names.labels[0], "NS1");
    EXPECT_TRUE(names.paths[1].empty());
}

TEST(PairNames, AreDerivedFromTheFirstPeriodOfTheFileName) {
    const auto names = DerivePairNames("/data/v1.2/HFD01_241105.UD");
    ASSERT_TRUE(names);
    EXPECT_EQ((*names)[0], "/data/v1.2/HFD01_241105.ns");
    EXPECT_EQ((*names)[2], "/data/v1.2/HFD01_241105.ud");
    EXPECT_FALSE(DerivePairNames("/data/v1.2/HFD01"));
    EXPECT_EQ(FileNameWithoutExtension("/data/v1.2/HFD01_241105.UD"), "HFD01_241105");
    EXPECT_EQ(FileNameWithoutExtension("/data/v1.2/HFD01"), "HFD01");
    EXPECT_EQ(PathWithoutExtension("/data/v1.2/HFD01.x.y"), "/data/v1.2/HFD01");
}

TEST(PathText, SplitsFolderAndFileName) {
    EXPECT_EQ(FolderPart("/a/b/c.NS"), "/a/b");
    EXPECT_EQ(FolderPart("/c.NS"), "/");
    EXPECT_EQ(FolderPart("c.NS"), "");
    EXPECT_EQ(FileNamePart("/a/b/c.NS"), "c.NS");
}

TEST(FindFileIgnoringCase, PrefersTheExactNameThenAMatchInAnotherCase) {
    testing::TempFolder folder;
    folder.Write("X.NS", "upper");
    EXPECT_EQ(FindFileIgnoringCase(folder / "X.NS"), folder / "X.NS");
    EXPECT_EQ(FindFileIgnoringCase(folder / "X.ns"), folder / "X.NS");
    EXPECT_EQ(FindFileIgnoringCase(folder / "x.Ns"), folder / "X.NS");
    EXPECT_FALSE(FindFileIgnoringCase(folder / "X.ew"));
    EXPECT_FALSE(FindFileIgnoringCase(folder / "missing/X.ns"));
    folder.Write("X.ns", "lower");
    EXPECT_EQ(FindFileIgnoringCase(folder / "X.ns"), folder / "X.ns");
    EXPECT_EQ(FindFileIgnoringCase(folder / "X.nS"), folder / "X.NS");  // first in byte order
}

}  // namespace
}  // namespace tremblo

namespace tremblo {
namespace {

TEST(WithDefaultExtension, AddsTheExtensionOnlyToNamesWithoutOne) {
    EXPECT_EQ(WithDefaultExtension("/out/AIC001-202411051012", "csv"), "/out/AIC001-202411051012.csv");
    EXPECT_EQ(WithDefaultExtension("/out/wave.txt", "csv"), "/out/wave.txt");
    EXPECT_EQ(WithDefaultExtension("/out/wave.", "png"), "/out/wave.png");
    EXPECT_EQ(WithDefaultExtension("/out.d/wave", "png"), "/out.d/wave.png");
    EXPECT_EQ(WithDefaultExtension("/out/.csv", "csv"), "/out/.csv");  // empty event name
}


TEST(KnetStationCodeOfName, SixCharactersBeforeTheOriginTime) {
    const struct {
        const char* path;
        const char* code;
    } cases[] = {
        {"AIC0012411051012.NS", "AIC001"},
        {"ev/AICH012411051012.UD2.gz", "AICH01"},
        {"/x/d.tar:e.kik.tar.gz/AICH012411051012.EW1", "AICH01"},
        {"AIC0012411051012.NS.ps.gz", ""},  // a plot
        {"missing.NS", ""},
        {"AIC00124110510.NS", ""},  // the time too short
        {"AIC001241105101X.NS", ""},
        {"AIC-012411051012.NS", ""},
        {"CDPC_SYNTH.ns", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(KnetStationCodeOfName(c.path), c.code) << c.path;
}

}  // namespace
}  // namespace tremblo
