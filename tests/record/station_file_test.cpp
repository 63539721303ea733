// Saving the station directory and merging NIED's station list into it.
#include "record/station_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include "common/shift_jis.h"
#include "record/data_folder.h"
#include "record/station_import.h"
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

TEST(StationImport, NewCodesGetRowsKnownOnesStay) {
    const auto d = Load(SamplePath("data/DATA"));
    const int knet = d->knetStationCount, kiknet = d->kiknetStationCount;
    std::istringstream list(
        "AIC001,BISAI,35.2974,136.7505,5,NA,AICHIKEN,K-NET11A,\n"
        "AAA001,ABASHIRI,44.0,144.2,12,NA,HOKKAIDO,K-NET11A,\n"
        "ABSH01,OMU,44.5276,142.8444,105,100,HOKKAIDO,KiK-net06,,N.OUMH,2000/08/14\r\n"
        "\n"
        ",NO CODE,1,2,3\n"
        "ZZZH99,LAST,1,2,NA,NA,TOKYO,---,suspension,X,2001/01/01\n");
    const StationImportCounts counts = ImportNiedStationList(list, *d);
    EXPECT_EQ(counts.added, 3);
    EXPECT_EQ(counts.kept, 1);
    EXPECT_EQ(counts.refused, 1);
    ASSERT_EQ(d->knetStationCount, knet + 1);
    ASSERT_EQ(d->kiknetStationCount, kiknet + 2);
    const StationRow& first = d->knetStations[0];  // in code order
    EXPECT_EQ(first.code, "AAA001");
    EXPECT_EQ(first.name, "ABASHIRI");
    EXPECT_EQ(first.location, "HOKKAIDO");
    EXPECT_EQ(SjisToUtf8(first.column5.view()), "標高 12m");
    EXPECT_EQ(SjisToUtf8(d->FindKnetOrKiknet("AIC001")->name.view()), "名古屋港");  // kept as it was
    EXPECT_EQ(d->kiknetStations[d->kiknetStationCount - 1].code, "ZZZH99");
    EXPECT_EQ(d->kiknetStations[d->kiknetStationCount - 1].column5, "");
}

TEST(StationImport, AFullNetworkTakesNoMoreRows) {
    auto d = std::make_unique<StationDirectory>();
    std::string text;
    for (int i = 0; i < STATION_CAPACITY + 5; ++i) text += "K" + std::to_string(10000 + i).substr(1) + "X1,N,0,0,1,NA,P,-,\n";
    std::istringstream list(text);
    const StationImportCounts counts = ImportNiedStationList(list, *d);
    EXPECT_EQ(counts.added, STATION_CAPACITY);
    EXPECT_EQ(counts.refused, 5);
    EXPECT_EQ(d->knetStationCount, STATION_CAPACITY);  // "K0000X1" and so on: a digit fourth
}

}  // namespace
}  // namespace tremblo
