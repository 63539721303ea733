#include "stations/station_directory.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "common/shift_jis.h"
#include "common/split_fields.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitFields, SkipsLeadingBlanksAndEndsWithAnEmptyFieldAfterALineEnd) {
    EXPECT_EQ(SplitFields("a,b\n"), (Fields{"a", "b", ""}));
    EXPECT_EQ(SplitFields("a,b\r\n"), (Fields{"a", "b", ""}));
    EXPECT_EQ(SplitFields("a,b"), (Fields{"a", "b"}));
    EXPECT_EQ(SplitFields("  x ,\t y\t,,z\n"), (Fields{"x ", "y\t", "", "z", ""}));
    EXPECT_EQ(SplitFields(""), Fields{});
    EXPECT_EQ(SplitFields("a,"), (Fields{"a", ""}));
    EXPECT_EQ(SplitFields("   "), (Fields{""}));
    EXPECT_EQ(SplitFields("\n"), (Fields{""}));
    EXPECT_EQ(SplitFields("a\rb,c"), (Fields{"a\rb", "c"}));  // a lone CR is text
}

TEST(SplitFields, KeepsShiftJisBytesWhole) {
    const std::string line = Utf8ToSjis("名古屋,ﾅｺﾞﾔ,表\n");  // 表 has a trail byte 0x5C
    const Fields fields = SplitFields(line);
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(SjisToUtf8(fields[2]), "表");
}

TEST(StationCodes, NetworkIsChosenByTheFourthCharacter) {
    EXPECT_TRUE(IsKnetCode("AIC001"));
    EXPECT_FALSE(IsKnetCode("ABSH01"));
    EXPECT_FALSE(IsKnetCode("AIC"));
}

TEST(StationCodes, OrderIgnoresCaseOfEveryLetterWithDigitsFirst) {
    // Letters compare as capitals: z sorts like Z, before '[' and '_'
    // (0x5B, 0x5F), which lie between the capitals and the small letters.
    const struct { const char* a; const char* b; int sign; } cases[] = {
        {"AIC001", "AIC00A", -1}, {"AIC001", "aic002", -1}, {"aic001", "AIC001", 0},
        {"AIC00", "AIC001", -1},  {"abzh01", "ABZH01", 0},  {"zzz", "ZZZ", 0},
        {"AIC00z", "AIC00Y", 1},  {"AIC00z", "AIC00_", -1}, {"AIC00Z", "aic00[", -1},
        {"AIC00a", "AIC00Z", -1},
    };
    for (const auto& c : cases) {
        const int result = CompareCodesIgnoringCase(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " " << c.b;
        const int reverse = CompareCodesIgnoringCase(c.b, c.a);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.sign) << c.b << " " << c.a;
    }
}

std::unique_ptr<StationDirectory> Read(const std::string& site) {
    auto d = std::make_unique<StationDirectory>();
    std::istringstream in(Utf8ToSjis(site));
    ReadSiteNameFile(in, *d);
    return d;
}

TEST(StationDirectory, SortsEachNetworkIgnoringCaseAndKeepsTheFirstOfEachCode) {
    const auto d = Read(
        "aic002,second,c3,loc2,c5\n"
        "AICH01,kik,c3,lock\n"
        "AIC00A,letter,c3,locA,c5\n"
        "AIC001,first,c3,loc1,c5,extra\n"
        "AIC001,duplicate,c3,dup,c5\n"
        "AIC002,case twin,c3,twin,c5\n"
        "ABSH01,kik2,c3,lock2,c5\n");
    EXPECT_EQ(d->stationRowCount, 7);
    ASSERT_EQ(d->knetStationCount, 3);
    EXPECT_EQ(d->knetStations[0].code, "AIC001");
    EXPECT_EQ(d->knetStations[0].name, "first");
    EXPECT_EQ(d->knetStations[1].code, "aic002");
    EXPECT_EQ(d->knetStations[1].name, "second");
    EXPECT_EQ(d->knetStations[2].code, "AIC00A");
    EXPECT_EQ(d->knetOrder[0], 3);
    EXPECT_EQ(d->knetOrder[1], 0);
    EXPECT_EQ(d->knetOrder[2], 2);
    ASSERT_EQ(d->kiknetStationCount, 2);
    EXPECT_EQ(d->kiknetStations[0].code, "ABSH01");
    EXPECT_EQ(d->kiknetStations[1].code, "AICH01");
    EXPECT_EQ(d->kiknetStations[1].column5, "");  // four columns only
    EXPECT_EQ(d->kiknetStations[1].location, "lock");
    // Codes with a z: one row for both spellings, sorted among the capitals.
    const auto z = Read("AB_H01,under,c3,l\nabzh01,small,c3,l\nABZH01,capital,c3,l\nABYH01,y,c3,l\n");
    ASSERT_EQ(z->kiknetStationCount, 3);
    EXPECT_EQ(z->kiknetStations[0].code, "ABYH01");
    EXPECT_EQ(z->kiknetStations[1].code, "abzh01");
    EXPECT_EQ(z->kiknetStations[2].code, "AB_H01");
    // Lookups are exact: a code in another case is not found.
    EXPECT_EQ(d->FindKnetOrKiknet("AIC002"), nullptr);
    ASSERT_NE(d->FindKnetOrKiknet("ABSH01"), nullptr);
    EXPECT_EQ(d->FindKnetOrKiknet("ABSH01")->name, "kik2");
}

TEST(StationDirectory, CutsTextsAndRowsToTheirCapacities) {
    std::string site;
    for (int i = 0; i < 2100; ++i) site += "AIC" + std::to_string(1000 + i) + ",観測点名前がとても長い観測点名前がとても長い観測点,x,y\n";
    const auto d = Read(site);
    EXPECT_EQ(d->stationRowCount, 2000);
    EXPECT_EQ(d->knetStationCount, 2000);
    // 39 bytes at most, and never half a character: 19 characters of two bytes.
    EXPECT_EQ(d->stationRows[0].name.view().size(), 38u);
    EXPECT_EQ(SjisToUtf8(d->stationRows[0].name.view()), "観測点名前がとても長い観測点名前がとて");
}

TEST(StationDirectory, ReadsHiroshimaRowsWithTheirPosition) {
    auto directory = std::make_unique<StationDirectory>();  // large: never on the stack
    StationDirectory& d = *directory;
    std::istringstream in(Utf8ToSjis("HFD01,中消防署,広島市中区,132.4553,34.3915\nHFD02,東消防署,広島市東区\n"));
    ReadShoboNameFile(in, d);
    ASSERT_EQ(d.hiroshimaStationCount, 2);
    EXPECT_FLOAT_EQ(d.hiroshimaStations[0].longitude, 132.4553f);
    EXPECT_FLOAT_EQ(d.hiroshimaStations[0].latitude, 34.3915f);
    EXPECT_EQ(SjisToUtf8(d.hiroshimaStations[0].location.view()), "広島市中区");
    EXPECT_EQ(d.hiroshimaStations[1].latitude, 0.0f);
    EXPECT_NE(d.FindHiroshima("HFD02"), nullptr);
}

TEST(StationDirectory, ReportsMissingFilesAndGoesOn) {
    testing::TempFolder folder;
    auto d = std::make_unique<StationDirectory>();
    testing::ScriptedPlatform platform;
    LoadStationDirectory(folder.path().string(), *d, platform);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "K-NET/KiK-net観測点情報ファイルがありません");
    EXPECT_EQ(platform.messages[0].caption, "ファイルエラー");
    EXPECT_EQ(platform.messages[0].style, MessageStyle::Warning);
    EXPECT_EQ(platform.messages[1].text, "広島市消防局観測点リストファイルがありません　　　");

    folder.Write("SITENAME.CSV", "AIC001,a,b,c,d\r\n");
    folder.Write("SHOBONAME.CSV", "HFD01,a,b,1,2\r\n");
    platform.messages.clear();
    LoadStationDirectory(folder.path().string(), *d, platform);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(d->knetStationCount, 1);
    EXPECT_EQ(d->hiroshimaStationCount, 1);
}

// A folder where a file should be: a warning naming it, the table empty.
TEST(StationDirectory, AFolderInPlaceOfAFileIsReportedByName) {
    const struct { const char* folder; const char* file; const char* prefix; } cases[] = {
        {"SITENAME.CSV", "SHOBONAME.CSV", "K-NET/KiK-net観測点情報ファイル "},
        {"SHOBONAME.CSV", "SITENAME.CSV", "広島市消防局観測点リストファイル "},
    };
    for (const auto& c : cases) {
        testing::TempFolder folder;
        folder.Write(std::string(c.folder) + "/x", "AIC001,a,b,c,d\n");
        folder.Write(c.file, std::string(c.file) == "SITENAME.CSV" ? "AIC001,a,b,c,d\n" : "HFD01,a,b,1,2\n");
        auto d = std::make_unique<StationDirectory>();
        testing::ScriptedPlatform platform;
        ASSERT_NO_THROW(LoadStationDirectory(folder.path().string(), *d, platform)) << c.folder;
        ASSERT_EQ(platform.messages.size(), 1u) << c.folder;
        EXPECT_EQ(platform.messages[0].text, c.prefix + (folder / c.folder) + " はフォルダです");
        EXPECT_EQ(platform.messages[0].style, MessageStyle::Warning);
        const bool siteIsFolder = std::string(c.folder) == "SITENAME.CSV";
        EXPECT_EQ(d->knetStationCount, siteIsFolder ? 0 : 1) << c.folder;
        EXPECT_EQ(d->hiroshimaStationCount, siteIsFolder ? 1 : 0) << c.folder;
    }
}

TEST(StationDirectory, ShippedFilesHoldTheSampleStations) {
    auto d = std::make_unique<StationDirectory>();
    testing::ScriptedPlatform platform;
    LoadStationDirectory(testing::SamplePath("data/DATA"), *d, platform);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_NE(d->FindKnetOrKiknet("AIC001"), nullptr);
    EXPECT_EQ(SjisToUtf8(d->FindKnetOrKiknet("AIC001")->name.view()), "名古屋港");
    EXPECT_NE(d->FindHiroshima("HFD01"), nullptr);
    EXPECT_GT(d->kiknetStationCount, 0);
}

}  // namespace
}  // namespace tremblo
