// Files that are plainly no record are refused before any reading, with a
// message saying what they are, rather than read as a record or named by
// component files their name cannot make.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "record/record_file_check.h"
#include "record/record_session.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;

const std::string kKnet = "samples/knet/AIC0012411051012";

// A ZIP archive holding the sample's three component files uncompressed,
// as zip tools store small text files: the K-NET text lies in it as it is.
std::string ZipOfSample() {
    std::string zip;
    for (const char* c : {"NS", "EW", "UD"}) {
        const std::string name = "AIC0012411051012." + std::string(c);
        const std::string content = ReadWholeFile(SamplePath(kKnet + "." + c));
        std::string header("PK\x03\x04", 4);
        header += std::string(22, '\0');
        header += static_cast<char>(name.size());
        header += std::string(3, '\0');
        zip += header + name + content;
    }
    return zip + std::string("PK\x05\x06", 4) + std::string(18, '\0');
}

TEST(RecordFileCheck, RefusesZipArchivesAndNamesThatMakeNoComponentNames) {
    testing::TempFolder folder;
    const std::string zip = folder.Write("direct.zip", ZipOfSample());
    const std::string renamed = folder.Write("direct.bin", ZipOfSample());
    const std::string emptyZip = folder.Write("empty.zip", std::string("PK\x05\x06", 4) + std::string(18, '\0'));
    const std::string knetText = folder.Write("copy.dat", ReadWholeFile(SamplePath(kKnet + ".NS")));
    StationDirectory directory;
    testing::ScriptedPlatform quiet;
    LoadStationDirectory(SamplePath("data/DATA"), directory, quiet);
    const struct {
        const char* name;
        std::string path;
        RecordFormat format;
        bool three;
        const char* says;  // part of the message; "" when the file loads
    } cases[] = {
        {"zip, three components", zip, RecordFormat::Knet, true, "ZIP"},
        {"zip, one component", zip, RecordFormat::Knet, false, "ZIP"},
        {"zip as Hiroshima", zip, RecordFormat::Hiroshima, true, "ZIP"},
        {"zip under another name", renamed, RecordFormat::Knet, false, "ZIP"},
        {"empty zip", emptyZip, RecordFormat::Cdpc, false, "ZIP"},
        {"K-NET text named .dat, three components", knetText, RecordFormat::Knet, true, "成分ファイルの名前ではありません"},
        {"K-NET text named .dat, one component", knetText, RecordFormat::Knet, false, ""},
    };
    for (const auto& c : cases) {
        testing::ScriptedPlatform platform;
        RecordSession session(platform, directory);
        const LoadStatus status = session.LoadPath(c.path, LoadSettings{c.format, c.three, true});
        if (*c.says == '\0') {
            EXPECT_EQ(status, LoadStatus::Loaded) << c.name;
            continue;
        }
        EXPECT_EQ(status, LoadStatus::Failed) << c.name;
        ASSERT_EQ(platform.messages.size(), 1u) << c.name;
        const std::string& text = platform.messages[0].text;
        EXPECT_NE(text.find(c.says), std::string::npos) << c.name << ": " << text;
        EXPECT_NE(text.find(c.path), std::string::npos) << c.name << ": " << text;
        EXPECT_EQ(text.find("がありません"), std::string::npos) << c.name << ": " << text;
        EXPECT_FALSE(session.record().recordLoaded) << c.name;
    }
}

TEST(RecordFileCheck, KnowsZipByItsFirstBytesOnly) {
    const struct {
        std::string head;
        bool zip;
    } cases[] = {
        {std::string("PK\x03\x04rest", 8), true}, {std::string("PK\x05\x06", 4), true}, {std::string("PK\x07\x08", 4), true},
        {"PK", false}, {"PKZIP text", false}, {"Origin Time       2024/11/05", false}, {"", false},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.head);
        EXPECT_EQ(ZipArchiveMessage(in, "x").has_value(), c.zip) << c.head;
    }
    for (const char* name : {"X.NS", "dir.v2/X.ew1", "X.UD2", "X.nsA"})
        EXPECT_FALSE(ComponentNameMessage(name, name)) << name;
    for (const char* name : {"X.zip", "X.N", "X.bin", "X.csv"}) EXPECT_TRUE(ComponentNameMessage(name, name)) << name;
}

}  // namespace
}  // namespace tremblo
