// Member and file names holding terminal controls: the batch's messages and
// its summary show them escaped, never raw, and keep ordinary names as
// they are.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "program_run.h"
#include "support/archive_writer.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ProgramRun;
using testing::ReadWholeFile;
using testing::RunProgram;
using testing::SamplePath;
using testing::TempFolder;

const std::string kStem = "AIC0012411051012";

// Bytes that act on a terminal: C0 but the line end, DEL, and the C1 CSI
// in UTF-8 or as a byte of its own (after an ASCII one: no continuation
// byte of a UTF-8 character).
std::vector<std::size_t> ControlsIn(const std::string& text) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto before = i > 0 ? static_cast<unsigned char>(text[i - 1]) : 0;
        const bool lineEnd = c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
        const bool csi = c == 0x9b && (before < 0x80 || before == 0xc2);
        if ((c < 0x20 && !lineEnd) || c == 0x7f || csi) at.push_back(i);
    }
    return at;
}

TEST(BatchEscapedNames, MessagesAndTheSummaryShowControlsEscaped) {
    TempFolder folder;
    const std::string sample = SamplePath("samples/knet/" + kStem);
    const std::string evil = "evil\x1b[2J\x07\xc2\x9b/";  // ESC [2J, BEL, U+009B
    const std::string sjis = "\x92n\x90k/";               // 地震 in Shift-JIS: kept
    testing::MemberList members;
    for (const std::string& dir : {evil, sjis})
        for (const char* c : {".NS", ".EW", ".UD"}) members.emplace_back(dir + kStem + c, ReadWholeFile(sample + c));
    members.emplace_back("bad\r\x9b" "1A/X.NS", "not a record");  // fails, named in the message
    const std::string archive = folder.Write("quake.tar", testing::TarBytes(members, false));
    const std::string summary = folder / "summary.csv";

    const ProgramRun run = RunProgram(folder, {"--data", SamplePath("data/DATA"), "--components", "3",
                                               "--summary", summary, archive});
    EXPECT_EQ(run.status, 1) << run.err;  // the bad record fails
    const std::string table = ReadWholeFile(summary);
    EXPECT_EQ(ControlsIn(run.err), std::vector<std::size_t>{}) << run.err;
    EXPECT_EQ(ControlsIn(run.out), std::vector<std::size_t>{}) << run.out;
    EXPECT_EQ(ControlsIn(table), std::vector<std::size_t>{}) << table;

    const std::string shownEvil = archive + ":evil\\x1b[2J\\x07\\xc2\\x9b/" + kStem + ".NS";
    const std::string shownBad = archive + ":bad\\x0d\\x9b1A/X.NS";
    EXPECT_NE(run.err.find(shownEvil + ": read"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(archive + ":" + sjis + kStem + ".NS: read"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("error: " + shownBad + ": "), std::string::npos) << run.err;
    // The summary: UTF-8, the same escapes, Shift-JIS converted.
    EXPECT_NE(table.find("\r\n" + shownEvil + ",knet,"), std::string::npos) << table;
    EXPECT_NE(table.find("\r\n" + archive + ":地震/" + kStem + ".NS,knet,"), std::string::npos) << table;
    EXPECT_NE(table.find("\r\n" + shownBad + ","), std::string::npos) << table;
}

}  // namespace
}  // namespace tremblo
