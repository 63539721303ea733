// Saving the station directory and merging NIED's station list into it.
#include "stations/station_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include "common/shift_jis.h"
#include "stations/data_folder.h"
#include "stations/station_import.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

std::unique_ptr<StationDirectory> Load(const std::string& folder) {
    auto d = std::make_unique<StationDirectory>();
    testing::ScriptedPlatform quiet;
    LoadStationDirectory(folder, *d, quiet);
    return d;
}

std::vector<StationListRow> Rows(const StationDirectory& d) { return SiteNameRows(d); }

TEST(StationFile, SavingKeepsAllFiveColumnsAndReadsBackTheSameTables) {
    TempFolder temp;
    const std::string original = ReadWholeFile(SamplePath("data/DATA/SITENAME.CSV"));
    temp.Write("DATA/SITENAME.CSV", original);
    temp.Write("DATA/SHOBONAME.CSV", ReadWholeFile(SamplePath("data/DATA/SHOBONAME.CSV")));
    const auto d = Load(temp / "DATA");
    EXPECT_EQ(d->lineEnd, "\r\n");
    const std::string written = SaveSiteNameFile(d->dataFolder, SiteNameFileText(Rows(*d), d->lineEnd));
    EXPECT_EQ(written, temp / "DATA/SITENAME.CSV");
    const std::string first = ReadWholeFile(written);
    // The first K-NET row as the sample has it, a blank before the name.
    EXPECT_EQ(first.substr(0, first.find("\r\n")),
              Utf8ToSjis("AIC001, 名古屋港,ﾅｺﾞﾔｺｳ,愛知県名古屋市港区港町,標高 3m"));

    const auto again = Load(temp / "DATA");
    ASSERT_EQ(again->knetStationCount, d->knetStationCount);
    ASSERT_EQ(again->kiknetStationCount, d->kiknetStationCount);
    EXPECT_EQ(Rows(*again), Rows(*d));
    SaveSiteNameFile(again->dataFolder, SiteNameFileText(Rows(*again), again->lineEnd));
    EXPECT_EQ(ReadWholeFile(written), first);  // twice in a row: the same bytes

    // LF files stay LF.
    temp.Write("LF/SITENAME.CSV", "AIC001,A,B,C,D\nABSH01,E,F,G,H\n");
    const auto lf = Load(temp / "LF");
    EXPECT_EQ(lf->lineEnd, "\n");
    EXPECT_EQ(SiteNameFileText(Rows(*lf), lf->lineEnd), "AIC001, A,B,C,D\nABSH01, E,F,G,H\n");
}

TEST(StationFile, AFolderThatCannotTakeTheFileSendsItToTheUsersDataFolder) {
    TempFolder temp;
    setenv("XDG_DATA_HOME", (temp / "home").c_str(), 1);
    temp.Write("DATA/SHOBONAME.CSV", "HFD01,A,B,1,2\n");
    temp.Write("DATA/SITENAME.CSV/x", "");  // a folder stands where the file would go
    const std::string written = SaveSiteNameFile(temp / "DATA", "AIC001, A,B,C,D\r\n");
    EXPECT_EQ(written, temp / "home/tremblo/DATA/SITENAME.CSV");
    EXPECT_EQ(ReadWholeFile(written), "AIC001, A,B,C,D\r\n");
    EXPECT_EQ(ReadWholeFile(temp / "home/tremblo/DATA/SHOBONAME.CSV"), "HFD01,A,B,1,2\n");
    unsetenv("XDG_DATA_HOME");
}

// A rewrite leaves the file's permissions and a link to it as they were.
TEST(StationFile, ARewriteKeepsTheModeAndWritesThroughALink) {
    namespace fs = std::filesystem;
    const struct { const char* name; bool link; fs::perms mode; } cases[] = {
        {"private", false, fs::perms::owner_read | fs::perms::owner_write},
        {"shared", false, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read},
        {"linked", true, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read},
    };
    for (const auto& c : cases) {
        TempFolder temp;
        const std::string target = temp.Write(std::string("store/") + c.name + ".csv", "AIC001, A,B,C,D\r\n");
        fs::permissions(target, c.mode);
        std::string folder = temp / "store";
        if (c.link) {
            fs::create_directories(temp / "DATA");
            fs::create_symlink(std::string("../store/") + c.name + ".csv", temp / "DATA/SITENAME.CSV");
            folder = temp / "DATA";
        } else {
            fs::rename(target, temp / "store/SITENAME.CSV");
        }
        const std::string path = folder + "/SITENAME.CSV";
        EXPECT_EQ(SaveSiteNameFile(folder, "AIC001, edited,B,C,D\r\n"), path) << c.name;
        EXPECT_EQ(ReadWholeFile(path), "AIC001, edited,B,C,D\r\n") << c.name;
        EXPECT_EQ(fs::is_symlink(path), c.link) << c.name;
        const std::string real = c.link ? target : path;
        EXPECT_EQ(fs::status(real).permissions(), c.mode) << c.name;
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(temp / "store")) ++files;
        EXPECT_EQ(files, 1u) << c.name;  // no temporary left, nothing beside the target
    }
}

TEST(StationFile, TheUsersDataFolderComesAfterTheWorkingFolders) {
    TempFolder temp;
    setenv("XDG_DATA_HOME", (temp / "home").c_str(), 1);
    EXPECT_EQ(UserDataFolder(), temp / "home/tremblo/DATA");
    temp.Write("home/tremblo/DATA/SITENAME.CSV", "");
    temp.Write("work/x", "");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(temp / "work");
    EXPECT_EQ(FindDataFolder(), temp / "home/tremblo/DATA");
    temp.Write("work/DATA/SITENAME.CSV", "");
    EXPECT_EQ(FindDataFolder(), "DATA");
    std::filesystem::current_path(previous);
    unsetenv("XDG_DATA_HOME");
}

std::string Merge(const std::string& list, const std::string& site, StationImportReport& report) {
    std::istringstream in(list);
    return MergeNiedStationList(in, site, report);
}

// Each list line checked alone against a small directory: taken (its line
// as written) or refused (words of the reason).
TEST(StationImport, ChecksEveryRowBeforeTakingIt) {
    const std::string site = Utf8ToSjis("AIC001, 名古屋港,ﾅｺﾞﾔｺｳ,愛知県,標高 3m\r\naic002, small,x,y,z\r\n");
    const std::string oneMegabyte = "AAA009,LONG," + std::string(1 << 20, '9') + ",1,NA,P,-,\n";
    const struct { std::string line; std::string taken; std::string refused; } cases[] = {
        {"AAA001,ABASHIRI,44.0,144.2,12,NA,HOKKAIDO,K-NET11A,\n", "AAA001, ABASHIRI,,HOKKAIDO,標高 12m", ""},
        {"ABSH01,OMU,44.5,142.8,105,100,HOKKAIDO,KiK-net06,,N.OUMH,2000/08/14\r\n", "ABSH01, OMU,,HOKKAIDO,標高 105m", ""},
        {"\"AAB002\",\"OSAKA\",34.1,135.2,\"7\",NA,OSAKA,K-NET,\n", "AAB002, OSAKA,,OSAKA,標高 7m", ""},
        {"AAB003,名古屋,35.1,136.9,NA,NA,愛知県,K-NET,\n", "AAB003, 名古屋,,愛知県,", ""},
        {Utf8ToSjis("AAB004,大阪,34.1,135.2,-2.5,NA,大阪府,K-NET,\n"), "AAB004, 大阪,,大阪府,標高 -2.5m", ""},
        {"Code,Name,Lat,Lon,Height,Depth,Pref,Type,\n", "", "code \"Code\""},
        {"AAB005,\"KITA, MINAMI\",34.1,135.2,5,NA,OSAKA,K-NET,\n", "", "the name holds a comma"},
        {"AAB006,KITA \"X\",34.1,135.2,5,NA,OSAKA,K-NET,\n", "", "quotes"},
        {"AAB006,\"KITA \"\"X\"\"\",34.1,135.2,5,NA,OSAKA,K-NET,\n", "", "the name holds a comma, a quote"},
        {"AAB007,\"OPEN,34.1,135.2,5,NA,OSAKA,K-NET,\n", "", "quotes"},
        {"AAB008,笑😀,34.1,135.2,5,NA,OSAKA,K-NET,\n", "", "the name is neither"},
        {"\xff\xfe\x01\x02,\x80\x81\x82,1,2,3,4,5\n", "", "code \""},
        {"AIC0011234567,LONG CODE,35,136,5,NA,AICHI,K-NET,\n", "", "code \"AIC0011234567\""},
        {std::string("AIC") + '\0' + "03,NUL,35,136,5,NA,AICHI,K-NET,\n", "", "code \"AIC?03\""},
        {"AAB009,N,91,136,5,NA,P,K-NET,\n", "", "latitude \"91\""},
        {"AAB009,N,35,-181,5,NA,P,K-NET,\n", "", "longitude \"-181\""},
        {"AAB009,N,35,136,1e9,NA,P,K-NET,\n", "", "elevation \"1e9\""},
        {"AAB009,N,35,136,20000,NA,P,K-NET,\n", "", "elevation \"20000\""},
        {"AAB009,N,35,136\n", "", "4 fields"},
        {"AAB009," + std::string(40, 'N') + ",35,136,5,NA,P,K-NET,\n", "", "longer than the 39 bytes"},
        {oneMegabyte, "", "longer than 4096 bytes"},
        {"AIC001,BISAI,35.2,136.7,5,NA,AICHIKEN,K-NET11A,\n", "", ""},  // known: kept
        {"AIC002,CASE,35.2,136.7,5,NA,AICHIKEN,K-NET11A,\n", "", ""},   // known in another case
    };
    for (const auto& c : cases) {
        const std::string shown = c.line.substr(0, 60);
        StationImportReport report;
        // The row between two good ones: line numbers and the rows after it stay right.
        const std::string list = "AAC001,A,1,2,3,NA,P,-,\n" + c.line + "AAC002,B,1,2,3,NA,P,-,\n";
        const std::string merged = Merge(list, site, report);
        ASSERT_EQ(merged.substr(0, site.size()), site) << shown;  // the directory's lines stay
        const std::string tail = "AAC001, A,,P,標高 3m\r\n" + (c.taken.empty() ? "" : c.taken + "\r\n") + "AAC002, B,,P,標高 3m\r\n";
        EXPECT_EQ(SjisToUtf8(merged.substr(site.size())), tail) << shown;
        EXPECT_EQ(report.added, c.taken.empty() ? 2 : 3) << shown;
        const bool refused = !c.refused.empty();
        EXPECT_EQ(report.kept, !refused && c.taken.empty() ? 1 : 0) << shown;
        ASSERT_EQ(report.refused.size(), refused ? 1u : 0u) << shown;
        if (refused) {
            EXPECT_EQ(report.refused[0].first, 2) << shown;
            EXPECT_NE(report.refused[0].second.find(c.refused), std::string::npos) << shown << report.refused[0].second;
        }
    }
}

TEST(StationImport, AByteOrderMarkIsNoPartOfTheFirstCode) {
    for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")}) {
        StationImportReport report;
        Merge(mark + "AAC001,A,1,2,3,NA,P,-,\n", "", report);
        EXPECT_EQ(report.added, 1) << mark.size();
        EXPECT_TRUE(report.refused.empty()) << mark.size();
    }
}

// Lines the directory reader would cut, duplicate and extra columns, a last
// line without its line end: all stay as they were, new rows come after.
TEST(StationImport, KeepsEveryLineOfTheDirectoryAndSaysWhatDidNotFit) {
    std::string oddLines = "AIC001, A,B,C,D,sixth,seventh\n" + std::string("AIC002, ") + std::string(320, 'N') + ",B,C,D\n" +
                           "AIC001, twin,B,C,D\naic001, case twin,B,C,D\nABSH01, last,B,C,D";
    std::string full = "AIC001, A,B,C,D\n";
    for (int i = 0; i < STATION_CAPACITY - 3; ++i) full += "K" + std::to_string(10000 + i).substr(1) + "X1,N,0,0,1\n";
    const struct { std::string site; int added; int notTaken; std::string separator; } cases[] = {
        {oddLines, 3, 0, "\n"},
        {full, 2, 1, ""},
    };
    const std::string list = "ABC001,X,1,2,3,NA,P,-,\nAIC001,Y,1,2,3,NA,P,-,\nABC002,X,1,2,3,NA,P,-,\nABC003,X,1,2,3,NA,P,-,\n";
    for (const auto& c : cases) {
        StationImportReport report;
        const std::string merged = Merge(list, c.site, report);
        ASSERT_EQ(merged.substr(0, c.site.size()), c.site);
        EXPECT_EQ(report.added, c.added);
        EXPECT_EQ(report.notTaken, c.notTaken);
        EXPECT_EQ(report.kept, 1);
        std::string expected = c.separator;
        const char* added[] = {"ABC001", "ABC002", "ABC003"};
        for (int i = 0; i < c.added; ++i) expected += std::string(added[i]) + ", X,,P," + Utf8ToSjis("標高 3m") + "\n";
        EXPECT_EQ(merged.substr(c.site.size()), expected);
        // The program then reads every row it read before and the new ones.
        auto d = std::make_unique<StationDirectory>();
        std::istringstream in(merged);
        ReadSiteNameFile(in, *d);
        EXPECT_EQ(d->stationRowCount, report.rowsBefore + report.added);
    }
}

}  // namespace
}  // namespace tremblo
