// Records inside archives: reading members in memory, gathering them into
// records as they stream past, and loading a record from its members.
#include <gtest/gtest.h>

#include <memory>

#include "input/archive_reader.h"
#include "input/gzip_bytes.h"
#include "input/member_file_source.h"
#include "record/record_grouping.h"
#include "support/archive_writer.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;

ArchiveMember Member(const std::string& name, std::string bytes = "x") {
    return ArchiveMember{name, WithoutGzipExtension(name), std::move(bytes), {}};
}

std::vector<std::string> NamesOf(const GroupedRecord& record) {
    std::vector<std::string> names;
    for (const ArchiveMember& m : record.members) names.push_back(m.name);
    return names;
}

// Feeds the names one by one; returns, for every member, the records it
// released (their members' names, "+" joined), then those of Finish().
std::vector<std::string> Releases(const std::vector<std::string>& names, GroupingSettings settings) {
    settings.format = settings.format.value_or(RecordFormat::Knet);
    RecordGrouper grouper(settings);
    std::vector<std::string> steps;
    const auto describe = [](const std::vector<GroupedRecord>& records) {
        std::string text;
        for (const GroupedRecord& r : records) {
            text += text.empty() ? "" : " | ";
            for (const std::string& n : NamesOf(r)) text += (text.empty() || text.back() == ' ' ? "" : "+") + n;
            if (!r.complete) text += " (incomplete)";
        }
        return text;
    };
    for (const std::string& name : names) steps.push_back(describe(grouper.Add(Member(name))));
    steps.push_back("end: " + describe(grouper.Finish()));
    return steps;
}

TEST(RecordGrouping, ReleasesEachRecordWithItsLastComponent) {
    struct Case {
        const char* what;
        std::vector<std::string> names;
        bool threeComponents;
        std::vector<std::string> steps;
    };
    const std::vector<Case> cases{
        {"K-NET, next to each other", {"e/A.NS", "e/A.EW", "e/A.UD", "e/B.NS", "e/B.EW", "e/B.UD"}, true,
         {"", "", "e/A.NS+e/A.EW+e/A.UD", "", "", "e/B.NS+e/B.EW+e/B.UD", "end: "}},
        {"KiK-net: two records of a station", {"K.NS1", "K.NS2", "K.EW1", "K.EW2", "K.UD1", "K.UD2"}, true,
         {"", "", "", "", "K.NS1+K.EW1+K.UD1", "K.NS2+K.EW2+K.UD2", "end: "}},
        {"letter case ignored, .gz members", {"A.ns.gz", "a.EW", "A.Ud.gz"}, true, {"", "", "A.ns.gz+a.EW+A.Ud.gz", "end: "}},
        {"folders keep records apart", {"x/A.NS", "y/A.EW", "x/A.EW", "x/A.UD"}, true,
         {"", "", "", "x/A.NS+x/A.EW+x/A.UD", "end: y/A.EW (incomplete)"}},
        {"one component: each member alone", {"A.NS", "A.EW"}, false, {"A.NS", "A.EW", "end: "}},
        {"a name without a short extension alone", {"README", "A.NS"}, true, {"README", "", "end: A.NS (incomplete)"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Releases(c.names, {std::nullopt, c.threeComponents}), c.steps) << c.what;
}

TEST(RecordGrouping, HoldsOnlyTheRecordsNotYetComplete) {
    RecordGrouper grouper(GroupingSettings{RecordFormat::Knet, true});
    for (int i = 0; i < 100; ++i) {
        const std::string base = "ev/R" + std::to_string(i);
        EXPECT_TRUE(grouper.Add(Member(base + ".NS", std::string(1000, 'n'))).empty());
        EXPECT_TRUE(grouper.Add(Member(base + ".EW", std::string(1000, 'e'))).empty());
        EXPECT_EQ(grouper.heldBytes(), 2000u);
        ASSERT_EQ(grouper.Add(Member(base + ".UD", std::string(1000, 'u'))).size(), 1u) << i;
        EXPECT_EQ(grouper.heldBytes(), 0u);
        EXPECT_EQ(grouper.openRecords(), 0u);
    }
    // Past the byte limit the oldest incomplete record goes out as it is.
    RecordGrouper limited(GroupingSettings{RecordFormat::Knet, true, 2500});
    EXPECT_TRUE(limited.Add(Member("A.NS", std::string(1000, 'a'))).empty());
    EXPECT_TRUE(limited.Add(Member("B.NS", std::string(1000, 'b'))).empty());
    const std::vector<GroupedRecord> pushed = limited.Add(Member("C.NS", std::string(1000, 'c')));
    ASSERT_EQ(pushed.size(), 1u);
    EXPECT_EQ(NamesOf(pushed[0]), std::vector<std::string>{"A.NS"});
    EXPECT_FALSE(pushed[0].complete);
    EXPECT_EQ(limited.heldBytes(), 2000u);
}

TEST(RecordGrouping, RecognisesEachMembersFormatFromItsNameAndContent) {
    RecordGrouper grouper(GroupingSettings{std::nullopt, true});
    const std::string cdpc = ReadWholeFile(SamplePath("samples/cdpc/CDPC_SYNTH.ns"));
    EXPECT_TRUE(grouper.Add(Member("c/CDPC_SYNTH.ns", cdpc)).empty());
    EXPECT_TRUE(grouper.Add(Member("c/CDPC_SYNTH.ew", cdpc)).empty());
    const std::vector<GroupedRecord> done = grouper.Add(Member("c/CDPC_SYNTH.UD", cdpc));
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].format, RecordFormat::Cdpc);
    EXPECT_EQ(DetectMemberFormat(Member("AIC0012411051012.EW", "")), RecordFormat::Knet);
}

TEST(MemberFileSource, FindsOpensAndNamesMembersAsTheLoaderNeeds) {
    MemberFileSource source("/d/ev.tar.gz", {Member("ev/X.NS.gz", "north"), Member("ev/x.ew", "east"),
                                              Member("ev/X.Ud", "up"), Member("ev/x.ud", "up2")});
    EXPECT_EQ(source.FindIgnoringCase("ev/X.NS"), "ev/X.NS");
    EXPECT_EQ(source.FindIgnoringCase("ev/X.EW"), "ev/x.ew");
    EXPECT_EQ(source.FindIgnoringCase("ev/X.UD"), "ev/x.ud");  // the lower-case spelling before any other
    EXPECT_EQ(source.FindIgnoringCase("ev/X.EW1"), std::nullopt);
    EXPECT_EQ(source.FindIgnoringCase("X.NS"), std::nullopt);  // another folder
    EXPECT_EQ(source.Shown("ev/X.NS"), "/d/ev.tar.gz:ev/X.NS.gz");
    EXPECT_EQ(source.Shown("ev/X.EW"), "/d/ev.tar.gz:ev/X.EW");
    const std::unique_ptr<std::istream> in = source.Open("ev/x.ew");
    ASSERT_TRUE(in);
    std::string text;
    *in >> text;
    EXPECT_EQ(text, "east");
    EXPECT_FALSE(source.Open("ev/X.EW"));
}

TEST(ArchiveReader, FailsOnWhatIsNoArchiveAndKnowsArchivesByName) {
    testing::TempFolder folder;
    ArchiveMember m;
    for (const std::string& path : {folder.Write("n.tar", "hello"), folder / "missing.tgz"}) {
        ArchiveReader reader(path);
        EXPECT_EQ(reader.Next(m), ArchiveStep::Failed) << path;
        EXPECT_FALSE(reader.error().empty()) << path;
    }
    EXPECT_TRUE(IsArchiveName("a/b.TGZ") && IsArchiveName("x.tar") && IsArchiveName("x.tar.gz"));
    EXPECT_FALSE(IsArchiveName("X.NS.gz") || IsArchiveName(".tar") || IsArchiveName("x.tarx"));
    EXPECT_TRUE(HasGzipExtension("X.NS.GZ") && !HasGzipExtension("x.tar.gz"));
}

// Folder entries are passed over: a tar with its folder stored gives the
// record's three members, grouped into one record, and nothing else.
TEST(ArchiveReader, AFolderEntryGivesNoMemberOfItsOwn) {
    testing::TempFolder folder;
    const std::string tar = folder.Write(
        "event.tar", testing::TarBytes({{"2024/", ""}, {"2024/X.NS", "n"}, {"2024/X.EW", "e"}, {"2024/X.UD", "u"}},
                                       false));
    ArchiveReader reader(tar);
    RecordGrouper grouper(GroupingSettings{RecordFormat::Knet, true});
    std::vector<std::string> names;
    std::vector<GroupedRecord> records;
    ArchiveMember m;
    while (reader.Next(m) == ArchiveStep::Member) {
        names.push_back(m.name);
        for (GroupedRecord& r : grouper.Add(std::move(m))) records.push_back(std::move(r));
    }
    EXPECT_TRUE(reader.error().empty()) << reader.error();
    EXPECT_EQ(names, (std::vector<std::string>{"2024/X.NS", "2024/X.EW", "2024/X.UD"}));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(records[0].complete);
    EXPECT_EQ(NamesOf(records[0]), names);
    EXPECT_TRUE(grouper.Finish().empty());
}

}  // namespace
}  // namespace tremblo
