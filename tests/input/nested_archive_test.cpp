// Archives inside archives as NIED delivers an earthquake (a .tar of a
// .knt.tar.gz and a .kik.tar.gz), read in place: member names, skipped
// members, damage at each level, reading chosen members again, and the
// gzip check the readers rely on.
#include <gtest/gtest.h>

#include <map>

#include "input/archive_members.h"
#include "input/archive_reader.h"
#include "input/checked_stream.h"
#include "record/component_names.h"
#include "input/gzip_bytes.h"
#include "input/member_file_source.h"
#include "record/record_grouping.h"
#include "support/archive_writer.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ArchiveInside;
using testing::MemberList;
using testing::TarBytes;

const std::string kKnt = "20240101161000.knt.tar.gz";
const std::string kKik = "20240101161000.kik.tar.gz";

std::string Sample(const std::string& component) {
    return testing::ReadWholeFile(testing::SamplePath("samples/knet/AIC0012411051012." + component));
}

MemberList KnetMembers() {
    return {{"A.NS", Sample("NS")}, {"A.EW", Sample("EW")}, {"A.UD", Sample("UD")},
            {"A.NS.ps.gz", testing::GzipBytes("%!PS")}, {"notes.txt", "n"}};
}

MemberList KikMembers() {
    MemberList members;
    for (const char* c : {"NS1", "EW1", "UD1", "NS2", "EW2", "UD2"})
        members.push_back({std::string("K.") + c + ".gz", testing::GzipBytes(c)});
    members.push_back({"K.NS1.ps.gz", testing::GzipBytes("%!PS")});
    return members;
}

// The outer .tar of a delivery: the K-NET and KiK-net archives beside a folder of pictures.
std::string Delivery(const std::string& knt, const std::string& kik) {
    return TarBytes({{kKnt, knt}, {kKik, kik}, {"img/", ""}, {"img/map.png", "png"}}, false);
}

bool ReadByBatchRule(const ArchiveMember& m) { return IsArchiveName(m.name) || IsComponentFileName(m.loadName); }

// Every step of the reader: a member's name, "end NAME" and "failed NAME:
// DAMAGE" of an archive inside, then "End" or "Failed: ERROR".
std::vector<std::string> Steps(const std::string& path) {
    ArchiveReader reader(path, ReadByBatchRule);
    std::vector<std::string> steps;
    ArchiveMember m;
    for (int guard = 0; guard < 1000; ++guard) {
        switch (reader.Next(m)) {
            case ArchiveStep::Member: steps.push_back(m.name); break;
            case ArchiveStep::NestedEnd: steps.push_back("end " + m.name); break;
            case ArchiveStep::NestedFailed: steps.push_back("failed " + m.name + ": " + m.damage); break;
            case ArchiveStep::End: steps.push_back("End"); return steps;
            case ArchiveStep::Failed: steps.push_back("Failed: " + reader.error()); return steps;
        }
    }
    ADD_FAILURE() << "the reader does not end";
    return steps;
}

// `steps` as `pattern` has them: an entry ending in '*' matches by its
// beginning, "**" any run of steps.
bool Matches(const std::vector<std::string>& steps, std::size_t s, const std::vector<std::string>& pattern,
             std::size_t p) {
    if (p == pattern.size()) return s == steps.size();
    if (pattern[p] == "**") return Matches(steps, s, pattern, p + 1) || (s < steps.size() && Matches(steps, s + 1, pattern, p));
    if (s == steps.size()) return false;
    const std::string& want = pattern[p];
    const bool same = want.ends_with('*') ? steps[s].starts_with(want.substr(0, want.size() - 1)) : steps[s] == want;
    return same && Matches(steps, s + 1, pattern, p + 1);
}

std::string Joined(const std::vector<std::string>& steps) {
    std::string text;
    for (const std::string& step : steps) text += step + "\n";
    return text;
}

TEST(ComponentFileName, KnowsRecordFilesByTheirExtension) {
    const std::vector<std::pair<std::string, bool>> cases{
        {"AIC0012401011610.NS", true}, {"x/K.ew2.gz", true},   {"a.tar.gz/K.UD1", true}, {"HFD01.ns", true},
        {"K.NS3", false},              {"A.NS.ps.gz", false},  {"A.NS.ps", false},       {"notes.txt", false},
        {"img/map.png", false},        {"NS", false},          {"dir.ns/readme", false}, {"A.N", false},
        {"A.nsx", false},              {"a.b.ns", false},      {"A.NS.GZ", true},
    };
    for (const auto& [name, record] : cases) EXPECT_EQ(IsComponentFileName(name), record) << name;
}

TEST(NestedArchive, NamesMembersThroughTheArchivesHoldingThemAndSkipsTheRest) {
    testing::TempFolder folder;
    const std::string path =
        folder.Write("20240101161000.tar", Delivery(TarBytes(KnetMembers()), TarBytes(KikMembers())));
    const std::vector<std::string> expected{
        kKnt + ":A.NS", kKnt + ":A.EW", kKnt + ":A.UD", "end " + kKnt,
        kKik + ":K.NS1.gz", kKik + ":K.EW1.gz", kKik + ":K.UD1.gz", kKik + ":K.NS2.gz", kKik + ":K.EW2.gz",
        kKik + ":K.UD2.gz", "end " + kKik, "End"};
    EXPECT_EQ(Steps(path), expected);

    ArchiveReader reader(path, ReadByBatchRule);
    std::map<std::string, ArchiveMember> read;
    ArchiveMember m;
    for (ArchiveStep step; (step = reader.Next(m)) != ArchiveStep::End;) {
        ASSERT_NE(step, ArchiveStep::Failed) << reader.error();
        if (step == ArchiveStep::Member) read[m.name] = m;
    }
    const ArchiveMember& ns = read[kKnt + ":A.NS"];
    EXPECT_EQ(ns.loadName, "20240101161000.knt.tar.gz/A.NS");
    EXPECT_EQ(ns.nestedPrefix, kKnt.size() + 1);
    EXPECT_TRUE(ns.bytes == Sample("NS"));
    EXPECT_EQ(read[kKik + ":K.NS1.gz"].loadName, kKik + "/K.NS1");
    EXPECT_EQ(read[kKik + ":K.NS1.gz"].bytes, "NS1");  // decompressed
    // 2 archives, 5 + 7 of their members, the folder and its picture; skipped:
    // the plots, the text, the folder and the picture.
    EXPECT_EQ(reader.entries(), 16u);
    EXPECT_EQ(reader.skipped(), 5u);

    // Without a filter every regular file is read, archives inside too.
    ArchiveReader all(path);
    std::size_t members = 0;
    for (ArchiveStep step; (step = all.Next(m)) != ArchiveStep::End;) members += step == ArchiveStep::Member;
    EXPECT_EQ(members, 13u);
    EXPECT_EQ(all.skipped(), 1u);  // the folder
}

TEST(NestedArchive, RecordsFormWithinTheirOwnArchiveInside) {
    testing::TempFolder folder;
    // A.NS alone in one archive inside, its other components in the next one.
    const std::string path = folder.Write(
        "e.tar", TarBytes({ArchiveInside("a.tar.gz", {{"A.NS", "n"}, {"B.NS", "n"}, {"B.EW", "e"}, {"B.UD", "u"}}),
                           ArchiveInside("b.tar", {{"A.EW", "e"}, {"A.UD", "u"}})},
                          false));
    RecordGrouper grouper(GroupingSettings{RecordFormat::Knet, true});
    ArchiveReader reader(path);
    std::vector<std::string> released;
    const auto note = [&](const std::vector<GroupedRecord>& records) {
        for (const GroupedRecord& r : records)
            released.push_back(r.members.front().name + " x" + std::to_string(r.members.size()) +
                               (r.complete ? "" : " incomplete"));
    };
    ArchiveMember m;
    for (ArchiveStep step; (step = reader.Next(m)) != ArchiveStep::End;) {
        ASSERT_NE(step, ArchiveStep::Failed) << reader.error();
        if (step == ArchiveStep::Member) note(grouper.Add(std::move(m)));
        else note(grouper.FinishUnder(m.loadName + "/"));
    }
    EXPECT_EQ(grouper.openRecords(), 0u);
    EXPECT_EQ(released, (std::vector<std::string>{"a.tar.gz:B.NS x3", "a.tar.gz:A.NS x1 incomplete",
                                                  "b.tar:A.EW x2 incomplete"}));

    // The loader's message for a component not there names it inside its archive.
    MemberFileSource source("/d/e.tar", {ArchiveMember{"a.tar.gz:x/A.NS.gz", "a.tar.gz/x/A.NS", "n", {}, 9}});
    EXPECT_EQ(source.Shown("a.tar.gz/x/A.ew"), "/d/e.tar:a.tar.gz:x/A.ew");
    EXPECT_EQ(source.Shown("a.tar.gz/x/A.NS"), "/d/e.tar:a.tar.gz:x/A.NS.gz");
    EXPECT_EQ(source.Shown("y/A.ud"), "/d/e.tar:y/A.ud");
}

// The inner archive's bytes with `count` bytes from `at` (a fraction of its
// size) replaced by noise.
std::string Spoiled(std::string bytes, double at, std::size_t count) {
    const auto from = static_cast<std::size_t>(static_cast<double>(bytes.size()) * at);
    for (std::size_t i = from; i < from + count && i < bytes.size(); ++i) bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
    return bytes;
}

TEST(NestedArchive, DamageFailsTheArchiveItIsInAndKeepsWhatCameBefore) {
    // Two records in the K-NET archive: the damage lies in the second one's data.
    MemberList knet = KnetMembers();
    for (const char* c : {"NS", "EW", "UD"}) knet.push_back({std::string("B.") + c, Sample(c)});
    const std::string knt = TarBytes(knet);
    const std::string kik = TarBytes(KikMembers());
    const std::vector<std::string> kikSteps{kKik + ":K.NS1.gz", kKik + ":K.EW1.gz", kKik + ":K.UD1.gz",
                                            kKik + ":K.NS2.gz", kKik + ":K.EW2.gz", kKik + ":K.UD2.gz",
                                            "end " + kKik};
    const std::vector<std::string> recordA{kKnt + ":A.NS", kKnt + ":A.EW", kKnt + ":A.UD"};
    std::string lastEight = knt;
    lastEight[lastEight.size() - 8] = static_cast<char>(lastEight[lastEight.size() - 8] ^ 1);  // its CRC-32
    std::string deep = TarBytes({{"X.NS", "5"}}, false);
    for (int level = 5; level >= 2; --level)
        deep = TarBytes({{"X.NS", std::to_string(level - 1)}, {"L" + std::to_string(level) + ".tar", deep}}, false);

    struct Case {
        const char* what;
        std::string outer;
        std::vector<std::string> pattern;
    };
    std::vector<Case> cases{
        {"deflate data spoiled", Delivery(Spoiled(knt, 0.8, 40), kik), recordA},
        {"gzip check at the end spoiled", Delivery(lastEight, kik), recordA},
        {"inner archive cut short", Delivery(knt.substr(0, knt.size() * 3 / 4), kik), recordA},
        {"inner archive no archive", Delivery("no archive at all", kik), {}},
        {"outer archive cut short", Delivery(knt, kik).substr(0, 512 + knt.size() + 512 + kik.size() / 2),
         {kKnt + ":A.NS", kKnt + ":A.EW", kKnt + ":A.UD", kKnt + ":B.NS", kKnt + ":B.EW", kKnt + ":B.UD",
          "end " + kKnt, "**", "Failed: *"}},
        {"archives nested past the limit", deep,
         {"X.NS", "L2.tar:X.NS", "L2.tar:L3.tar:X.NS", "L2.tar:L3.tar:L4.tar:X.NS",
          "failed L2.tar:L3.tar:L4.tar:L5.tar: 読んでいません: アーカイブは 4 段の入れ子までしか読みません",
          "end L2.tar:L3.tar:L4.tar", "end L2.tar:L3.tar", "end L2.tar", "End"}},
    };
    // Damage inside an archive inside: the members before it, then one
    // failure naming that archive, then the next archive read to the end.
    for (std::size_t i = 0; i < 4; ++i) {
        cases[i].pattern.insert(cases[i].pattern.end(), {"**", "failed " + kKnt + ": *"});
        cases[i].pattern.insert(cases[i].pattern.end(), kikSteps.begin(), kikSteps.end());
        cases[i].pattern.push_back("End");
    }
    testing::TempFolder folder;
    for (const Case& c : cases) {
        const std::vector<std::string> steps = Steps(folder.Write("q.tar", c.outer));
        EXPECT_TRUE(Matches(steps, 0, c.pattern, 0)) << c.what << ":\n" << Joined(steps);
    }
    // The failures say why.
    EXPECT_NE(Joined(Steps(folder.Write("c.tar", Delivery(lastEight, kik)))).find("gzip データが壊れています（CRC が合いません）"),
              std::string::npos);
    EXPECT_NE(Joined(Steps(folder.Write("c.tar", Delivery(knt.substr(0, knt.size() / 2), kik)))).find("途中で切れています"),
              std::string::npos);
}

TEST(ReadArchiveMembers, FindsNamedMembersInsideAndNamesWhatIsMissing) {
    testing::TempFolder folder;
    const std::string path = folder.Write("d.tar", Delivery(TarBytes(KnetMembers()), TarBytes(KikMembers())));
    const Result<std::vector<ArchiveMember>> found =
        ReadArchiveMembers(path, {kKik + ":K.UD2.gz", kKnt + ":A.EW", kKik + ":K.UD2.gz"});
    ASSERT_TRUE(found) << found.error().message;
    ASSERT_EQ(found.value().size(), 3u);
    EXPECT_EQ(found.value()[0].loadName, kKik + "/K.UD2");
    EXPECT_EQ(found.value()[0].bytes, "UD2");
    EXPECT_EQ(found.value()[1].bytes, Sample("EW"));
    EXPECT_EQ(found.value()[2].name, kKik + ":K.UD2.gz");

    struct Case {
        const char* what;
        std::string archive;
        std::vector<std::string> names;
        std::vector<std::string> inError;  // "" : found
    };
    // Cut short in the KiK-net archive, after the whole K-NET one.
    const std::string knt = TarBytes(KnetMembers());
    const std::string cut = Delivery(knt, TarBytes(KikMembers())).substr(0, 512 + knt.size() + 1100);
    const std::vector<Case> cases{
        {"missing here and inside", path, {kKnt + ":A.NS", kKnt + ":Z.NS", "none.tar:X.NS", "A.NS"},
         {"not found in " + path + ": " + kKnt + ":Z.NS none.tar:X.NS A.NS"}},
        {"the archive inside damaged", folder.Write("x.tar", Delivery(TarBytes(KnetMembers()), "junk")),
         {kKik + ":K.NS1.gz"}, {kKik + ":K.NS1.gz", kKik + ": "}},
        {"stops once all are found, before a cut", folder.Write("c.tar", cut),
         {kKnt + ":A.UD"}, {}},
        {"the archive cut before them", folder.Write("c2.tar", cut),
         {kKik + ":K.UD2.gz"}, {"not found", "c2.tar: "}},
        {"no archive", folder / "missing.tar", {"A.NS"}, {"A.NS", "cannot open"}},
    };
    for (const Case& c : cases) {
        const Result<std::vector<ArchiveMember>> result = ReadArchiveMembers(c.archive, c.names);
        EXPECT_EQ(result.ok(), c.inError.empty()) << c.what;
        if (result.ok()) continue;
        for (const std::string& part : c.inError)
            EXPECT_NE(result.error().message.find(part), std::string::npos) << c.what << ": " << result.error().message;
    }
}

TEST(CheckedGzip, RefusesDamagedOrCutGzipThatLibarchiveWouldPassOn) {
    const std::string text(200000, 'k');
    const std::string packed = testing::GzipBytes(text);
    std::string crc = packed;
    crc[crc.size() - 8] = static_cast<char>(crc[crc.size() - 8] ^ 1);
    std::string length = packed;
    length[length.size() - 1] = static_cast<char>(length[length.size() - 1] ^ 1);
    struct Case {
        const char* what;
        std::string bytes;
        std::string content;  // when it decompresses
        std::string error;    // part of the error otherwise
    };
    const std::vector<Case> cases{
        {"whole", packed, text, ""},
        {"two gzip members one after the other", testing::GzipBytes("ab") + testing::GzipBytes("cd"), "abcd", ""},
        {"CRC-32 wrong", crc, "", "gzip データが壊れています（CRC が合いません）"},
        {"length wrong", length, "", "gzip データが壊れています（長さが合いません）"},
        {"cut short", packed.substr(0, packed.size() - 4), "", "途中で切れています"},
        {"not gzip", "plain text", "", "not gzip-compressed"},
        {"header only", packed.substr(0, 10), "", "途中で切れています"},
    };
    for (const Case& c : cases) {
        const Result<std::string> result = DecompressGzip(c.bytes);
        if (c.error.empty()) {
            ASSERT_TRUE(result) << c.what << ": " << result.error().message;
            EXPECT_TRUE(result.value() == c.content) << c.what;
        } else {
            ASSERT_FALSE(result) << c.what;
            EXPECT_NE(result.error().message.find(c.error), std::string::npos) << c.what << ": " << result.error().message;
        }
    }
}

}  // namespace
}  // namespace tremblo
