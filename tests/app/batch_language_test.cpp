// The batch and the event window in English: what goes wrong is said in
// English, with no Japanese left in it, and English pictures are asked for
// only together with English messages.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "app/application.h"
#include "app/batch/batch_options.h"
#include "app/batch/batch_runner.h"
#include "app/language/language.h"
#include "app/windows/event_table_model.h"
#include "support/archive_writer.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

const std::string kKnet = "samples/knet/AIC0012411051012";

bool HasJapanese(const std::string& utf8) {
    for (const QChar c : QString::fromStdString(utf8)) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

BatchOptions Options(const std::string& file, const std::string& out) {
    BatchOptions options;
    options.files = {file};
    options.outFolder = out;
    options.outGiven = true;
    options.dataFolder = SamplePath("data/DATA");
    options.jobs = 1;
    return options;
}

// The record's three component files cut at `bytes` bytes.
std::string CutRecord(const TempFolder& folder, std::size_t bytes) {
    std::string first;
    for (const char* c : {"NS", "EW", "UD"}) {
        const std::string path = folder.Write(std::string("in/CUT0012411051012.") + c,
                                              ReadWholeFile(SamplePath(kKnet + "." + c)).substr(0, bytes));
        if (first.empty()) first = path;
    }
    return first;
}

// The sample record inside a .tgz, cut off three quarters of the way.
std::string CutArchive(const TempFolder& folder) {
    testing::MemberList members;
    for (const char* c : {"NS", "EW", "UD"})
        members.push_back({std::string("ev/AIC0012411051012.") + c, ReadWholeFile(SamplePath(kKnet + "." + c))});
    const std::string whole = testing::TarBytes(members);
    return folder.Write("cut.tgz", whole.substr(0, whole.size() * 3 / 4));
}

TEST(BatchInEnglish, HostileInputIsReportedInEnglish) {
    const auto english = InstallLanguage(Language::English);
    TempFolder folder;
    const struct Case {
        const char* name;
        std::function<BatchOptions()> options;
        const char* says;  // part of the error or note, as the batch words it
        int status;
        bool once = false;  // `says` is in the report once only: the file is named once
    } cases[] = {
        {"missing file", [&] { return Options(folder / "in/MISSING.NS", folder / "out"); }, "MISSING", 1},
        {"folder given as a file", [&] { fs::create_directories(folder / "in/ev.NS"); return Options(folder / "in/ev.NS", folder / "out"); },
         "ev.NS", 1},
        {"record cut in its header", [&] { return Options(CutRecord(folder, 120), folder / "out"); }, "CUT0012411051012", 1},
        {"truncated archive", [&] { return Options(CutArchive(folder), folder / "out"); }, "gzip data cut short", 1},
        {"damaged member", [&] {
             return Options(folder.Write("bad.tar", testing::TarBytes({{"ev/BAD.NS.gz", "no gzip"}})), folder / "out");
         },
         "damaged member ev/BAD.NS.gz: cannot decompress: ", 1},
        // The library's reason in the program's words.
        {"not an archive", [&] { return Options(folder.Write("junk.tar.gz", std::string(3000, 'x')), folder / "out"); },
         "the archive cannot be read: the archive's format is not recognised", 1},
        {"start past the record's end",
         [&] {
             BatchOptions o = Options(SamplePath(kKnet + ".NS"), folder / "out");
             o.start = 7000;
             return o;
         },
         "(--start 7000, 6000 samples)", 1},
        {"map that cannot be written",
         [&] {
             BatchOptions o = Options(SamplePath(kKnet + ".NS"), folder / "out");
             o.mapFile = folder / "no/such/folder/map.png";
             return o;
         },
         "map.png", 1, true},
        {"picture that cannot be written",
         [&] {
             fs::create_directories(folder / "taken/AIC001-202411051012.png");  // a folder where the picture goes
             return Options(SamplePath(kKnet + ".NS"), folder / "taken");
         },
         "AIC001-202411051012.png", 1, true},
        {"azimuth of a record that cannot be rotated",
         [&] {
             BatchOptions o = Options(SamplePath("samples/hiroshima/HFD01_241105.ns"), folder / "out");
             o.azimuths = {30};
             return o;
         },
         "Rotated component: ", 0},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunBatch(c.options(), out, err, false), c.status) << c.name << "\n" << err.str();
        EXPECT_NE(err.str().find(c.says), std::string::npos) << c.name << "\n" << err.str();
        EXPECT_FALSE(HasJapanese(err.str())) << c.name << "\n" << err.str();
        EXPECT_FALSE(HasJapanese(out.str())) << c.name << "\n" << out.str();
        if (c.once) {
            EXPECT_EQ(err.str().find(c.says), err.str().rfind(c.says)) << c.name << "\n" << err.str();
        }
        // One message a line: none runs over onto lines of its own.
        EXPECT_EQ(err.str().find("\n\n"), std::string::npos) << c.name << "\n" << err.str();
    }
}

// The event window says why it cannot read an event in its status line.
TEST(EventWindowInEnglish, SaysWhyAnEventCannotBeRead) {
    const auto english = InstallLanguage(Language::English);
    TempFolder folder;
    testing::ScriptedPlatform platform;
    Application app{platform, SamplePath("data/DATA")};
    folder.Write("nothing/readme.txt", "no records here");
    const std::string pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const struct {
        std::string path;
        const char* says;
    } cases[] = {
        {folder / "missing-event", "does not exist"},
        {folder / "nothing", "holds no earthquake record files"},
        {folder.Write("empty.lst", "\n"), "names no earthquake record files"},
        {pipe, "not a file that can be read"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(app.EventList.OpenEvent(c.path));
        QElapsedTimer clock;
        clock.start();
        while (app.EventList.reading() && clock.elapsed() < 30000) QTest::qWait(20);
        const std::string status = app.EventList.LabelStatus->text().toStdString();
        EXPECT_NE(status.find(c.path), std::string::npos) << status;
        EXPECT_NE(status.find(c.says), std::string::npos) << status;
        EXPECT_FALSE(HasJapanese(status)) << status;
        EXPECT_FALSE(HasJapanese(app.EventList.windowTitle().toStdString()));
    }
}

// The network and intensity class cells are in the language of the windows.
TEST(EventWindowInEnglish, NetworkAndClassCellsAreTranslated) {
    const struct {
        Network network;
        const char* jmaClass;
    } cases[] = {{Network::KikSurface, "5弱"}, {Network::KikBorehole, "5強"}, {Network::Hiroshima, "6弱"},
                 {Network::Cdpc, "6強"}, {Network::Knet, "3"}};
    for (const auto& c : cases) {
        EventRow row;
        row.network = c.network;
        row.jmaClass = c.jmaClass;
        const QString japaneseNetwork = EventCellText(row, EventColumn::Network);
        const QString japaneseClass = EventCellText(row, EventColumn::JmaClass);
        EXPECT_EQ(japaneseNetwork.toStdString(), NetworkText(c.network));
        EXPECT_EQ(japaneseClass.toStdString(), c.jmaClass);
        const auto english = InstallLanguage(Language::English);
        const std::string network = EventCellText(row, EventColumn::Network).toStdString();
        const std::string jmaClass = EventCellText(row, EventColumn::JmaClass).toStdString();
        EXPECT_FALSE(HasJapanese(network)) << network;
        EXPECT_FALSE(HasJapanese(jmaClass)) << jmaClass;
        // A class already in digits stays as it is; the others are said in words.
        EXPECT_EQ(jmaClass == c.jmaClass, !HasJapanese(c.jmaClass)) << jmaClass;
    }
}

// English pictures go with English messages only: asked for alone, or with
// Japanese, they are refused before anything is done.
TEST(BatchCommandLine, EnglishPicturesOnlyWithEnglish) {
    const struct {
        std::vector<const char*> args;
        bool accepted;
        bool englishPictures;
    } cases[] = {
        {{"--english-pictures", "x.NS"}, false, false},
        {{"--lang", "ja", "--english-pictures", "x.NS"}, false, false},
        {{"--english-pictures", "--lang", "ja", "x.NS"}, false, false},
        {{"--lang", "en", "--english-pictures", "x.NS"}, true, true},
        {{"--english-pictures", "--lang", "en", "x.NS"}, true, true},
        {{"--lang", "en", "x.NS"}, true, false},
        {{"x.NS"}, true, false},
    };
    for (const auto& c : cases) {
        std::vector<const char*> args = c.args;
        args.insert(args.begin(), "tremblo-batch");
        std::ostringstream out, err;
        const ParsedCommandLine parsed = ParseBatchCommandLine(static_cast<int>(args.size()), args.data(), out, err);
        const std::string joined = c.args.size() > 1 ? std::string(c.args[0]) + " " + c.args[1] : c.args[0];
        ASSERT_EQ(parsed.options.has_value(), c.accepted) << joined << "\n" << err.str();
        if (c.accepted) {
            EXPECT_EQ(parsed.options->englishPictures, c.englishPictures) << joined;
        } else {
            EXPECT_EQ(parsed.exitStatus, kUsageErrorStatus) << joined;
            EXPECT_NE(err.str().find("--english-pictures needs --lang en"), std::string::npos) << err.str();
        }
    }
}

}  // namespace
}  // namespace tremblo
