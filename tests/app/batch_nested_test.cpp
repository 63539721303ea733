// The batch fed an earthquake as NIED delivers it: a .tar holding a
// .knt.tar.gz and a .kik.tar.gz of component files, plots and pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>
#include <sys/wait.h>

#include "pipeline/archive_input.h"
#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "support/archive_writer.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::MemberList;
using testing::TarBytes;

const std::string kKnt = "20241105101200.knt.tar.gz";
const std::string kKik = "20241105101200.kik.tar.gz";

std::string Sample(const std::string& component) {
    return testing::ReadWholeFile(testing::SamplePath("samples/knet/AIC0012411051012." + component));
}

// Three K-NET stations (the sample under their names) with a plot and a text
// file; one KiK-net station, surface and borehole, each file a .gz.
MemberList KnetMembers() {
    MemberList members;
    for (const char* station : {"AIC001", "AIC002", "AIC003"})
        for (const char* c : {"NS", "EW", "UD"}) members.push_back({std::string(station) + "2411051012." + c, Sample(c)});
    members.push_back({"AIC0012411051012.NS.ps.gz", testing::GzipBytes("%!PS")});
    members.push_back({"readme.txt", "K-NET"});
    return members;
}

MemberList KikMembers() {
    MemberList members;
    for (const char* level : {"1", "2"})
        for (const char* c : {"NS", "EW", "UD"})
            members.push_back({std::string("KIK0012411051012.") + c + level + ".gz", testing::GzipBytes(Sample(c))});
    members.push_back({"KIK0012411051012.NS1.ps.gz", testing::GzipBytes("%!PS")});
    return members;
}

std::string Delivery(const std::string& knt, const std::string& kik) {
    return TarBytes({{kKnt, knt}, {kKik, kik}, {"img/", ""}, {"img/map.png", "png"}}, false);
}

BatchOptions InfoOptions(const std::string& file) {
    BatchOptions options;
    options.files = {file};
    options.info = true;
    options.dataFolder = testing::SamplePath("data/DATA");
    options.jobs = 2;
    return options;
}

int RunInfo(const BatchOptions& options, std::vector<nlohmann::json>& objects, std::string& err) {
    std::ostringstream o, e;
    const int status = RunBatch(options, o, e, false);
    err = e.str();
    std::istringstream lines(o.str());
    objects.clear();
    for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
    return status;
}

TEST(BatchNested, GivesOneInfoLinePerRecordNamedThroughTheArchivesInside) {
    testing::TempFolder folder;
    const std::string outer = folder.Write("20241105101200.tar", Delivery(TarBytes(KnetMembers()), TarBytes(KikMembers())));
    const std::string knt = outer + ":" + kKnt + ":";
    const std::string kik = outer + ":" + kKik + ":";
    struct Case {
        bool threeComponents;
        std::vector<std::string> files;
    };
    const std::vector<Case> cases{
        {true,
         {knt + "AIC0012411051012.NS", knt + "AIC0022411051012.NS", knt + "AIC0032411051012.NS",
          kik + "KIK0012411051012.NS1.gz", kik + "KIK0012411051012.NS2.gz"}},
        {false,
         {knt + "AIC0012411051012.NS", knt + "AIC0012411051012.EW", knt + "AIC0012411051012.UD",
          knt + "AIC0022411051012.NS", knt + "AIC0022411051012.EW", knt + "AIC0022411051012.UD",
          knt + "AIC0032411051012.NS", knt + "AIC0032411051012.EW", knt + "AIC0032411051012.UD",
          kik + "KIK0012411051012.NS1.gz", kik + "KIK0012411051012.EW1.gz", kik + "KIK0012411051012.UD1.gz",
          kik + "KIK0012411051012.NS2.gz", kik + "KIK0012411051012.EW2.gz", kik + "KIK0012411051012.UD2.gz"}},
    };
    for (const Case& c : cases) {
        BatchOptions options = InfoOptions(outer);
        options.threeComponents = c.threeComponents;
        std::vector<nlohmann::json> objects;
        std::string err;
        ASSERT_EQ(RunInfo(options, objects, err), 0) << err;
        std::vector<std::string> files;
        for (const nlohmann::json& object : objects) files.push_back(object["file"]);
        EXPECT_EQ(files, c.files);
        // The plot, the text, the folder and its picture, the KiK-net plot.
        EXPECT_NE(err.find(outer + ": 5 members skipped: not record files\n"), std::string::npos) << err;
        const std::string processed = std::to_string(c.files.size()) + " of " + std::to_string(c.files.size());
        EXPECT_NE(err.find(processed + " files processed\n"), std::string::npos) << err;

        // Each record's values are those of the plain files it was copied from.
        options.files = {testing::SamplePath("samples/knet/AIC0012411051012." + std::string(c.threeComponents ? "NS" : "UD"))};
        std::vector<nlohmann::json> plain;
        ASSERT_EQ(RunInfo(options, plain, err), 0) << err;
        plain.at(0)["file"] = objects.at(c.threeComponents ? 1 : 5)["file"];
        EXPECT_EQ(objects.at(c.threeComponents ? 1 : 5), plain.at(0));
    }
}

TEST(BatchNested, ADamagedArchiveInsideFailsOnceAndTheDeliveryGoesOn) {
    testing::TempFolder folder;
    const std::string knt = TarBytes(KnetMembers());
    std::string badCheck = knt;
    badCheck[badCheck.size() - 8] = static_cast<char>(badCheck[badCheck.size() - 8] ^ 1);
    struct Case {
        const char* what;
        std::string outer;
        std::size_t infoLines;
        std::vector<std::string> inError;
        const char* failed;
    };
    // The records of a damaged gzip stream fail, those read before the
    // damage was found too; the KiK-net archive after it is read.
    const std::vector<Case> cases{
        {"cut short after the first station", Delivery(knt.substr(0, knt.size() / 2), TarBytes(KikMembers())), 2,
         {"error: OUT:" + kKnt + ":AIC0012411051012.NS: OUT:" + kKnt + ": gzip データが途中で切れています; その記録は処理していません",
          "error: OUT:" + kKnt + ": アーカイブをメンバー ", "; 処理していない記録: OUT:" + kKnt + ":AIC002"},
         ", 2 failed"},
        {"gzip check failed at its end", Delivery(badCheck, TarBytes(KikMembers())), 2,
         {"error: OUT:" + kKnt + ":AIC0012411051012.NS: OUT:" + kKnt + ": gzip データが壊れています（CRC が合いません）; その記録は処理していません",
          "error: OUT:" + kKnt + ":AIC0022411051012.NS: OUT:" + kKnt + ": gzip データが壊れています（CRC が合いません）"},
         ", 3 failed"},
        {"no archive at all", Delivery("junk", TarBytes(KikMembers())), 2,
         {"error: OUT:" + kKnt + ": アーカイブを読めません: "}, ", 1 failed"},
    };
    for (const Case& c : cases) {
        const std::string outer = folder.Write("d.tar", c.outer);
        std::vector<nlohmann::json> objects;
        std::string err;
        EXPECT_EQ(RunInfo(InfoOptions(outer), objects, err), 1) << c.what;
        EXPECT_EQ(objects.size(), c.infoLines) << c.what << "\n" << err;
        EXPECT_EQ(objects.back()["file"], outer + ":" + kKik + ":KIK0012411051012.NS2.gz") << c.what;
        for (std::string part : c.inError) {
            for (std::size_t at; (at = part.find("OUT:")) != std::string::npos;) part.replace(at, 3, outer);
            EXPECT_NE(err.find(part), std::string::npos) << c.what << ": " << part << "\n" << err;
        }
        EXPECT_NE(err.find(c.failed), std::string::npos) << c.what << "\n" << err;
    }
}

TEST(BatchNested, TheProgramExitsZeroOnAWholeDelivery) {
    testing::TempFolder folder;
    const std::string outer = folder.Write("q.tar", Delivery(TarBytes(KnetMembers()), TarBytes(KikMembers())));
    const std::string command = std::string("'") + TREMBLO_BATCH_PROGRAM + "' --data '" +
                                testing::SamplePath("data/DATA") + "' --info '" + outer + "' >'" + (folder / "out") +
                                "' 2>'" + (folder / "err") + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << testing::ReadWholeFile(folder / "err");
    EXPECT_NE(testing::ReadWholeFile(folder / "err").find(outer + ": 5 members skipped"), std::string::npos);
    const std::string out = testing::ReadWholeFile(folder / "out");
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 5);
}

TEST(BatchNested, FeedingReportsWhatItSkipped) {
    testing::TempFolder folder;
    const std::string outer = folder.Write("s.tar", Delivery(TarBytes(KnetMembers()), TarBytes(KikMembers())));
    ArchiveFeedStats stats;
    std::size_t tasks = 0;
    BatchOptions options = InfoOptions(outer);
    EXPECT_TRUE(FeedArchiveRecords(outer, options, [&](RecordTask) { ++tasks; }, &stats));
    EXPECT_EQ(tasks, 5u);
    EXPECT_EQ(stats.members, 2u + 11u + 7u + 2u);
    EXPECT_EQ(stats.skipped, 5u);
}

}  // namespace
}  // namespace tremblo
