// The checking pass over an archive before its records are trusted: which
// gzip streams are damaged, and archives that end before their end.
#include <gtest/gtest.h>

#include "input/archive_reader.h"
#include "support/archive_writer.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::MemberList;
using testing::TarBytes;

const std::string kKnt = "e.knt.tar.gz";
const std::string kKik = "e.kik.tar.gz";

// Members large enough that a tar reader meets the second station's header
// before it has asked for the whole of a stored .tar.gz.
constexpr std::size_t kMemberSize = 30000;
constexpr std::size_t kMemberInTar = 512 + (kMemberSize + 511) / 512 * 512;  // header and padded data

MemberList Station(const std::string& code) {
    MemberList members;
    for (const char* c : {"NS", "EW", "UD"}) members.push_back({code + "." + c, std::string(kMemberSize, c[0])});
    return members;
}

MemberList TwoStations() {
    MemberList members = Station("A");
    for (auto& member : Station("B")) members.push_back(member);
    return members;
}

std::string Flipped(std::string bytes, std::size_t fromEnd) {
    bytes[bytes.size() - fromEnd] = static_cast<char>(bytes[bytes.size() - fromEnd] ^ 1);
    return bytes;
}

// The stored .tar.gz of two stations with the header of B.NS zeroed, as
// damage may decode to: a tar reader takes it for the end of the archive.
std::string ZeroBlockInside() {
    const MemberList members = TwoStations();
    const std::string tar = TarBytes(members, false);
    std::string packed = testing::StoredTarGzBytes(members);
    const std::size_t inTar = tar.find("B.NS");
    const std::size_t inPacked = packed.find("B.NS");
    EXPECT_NE(inPacked, std::string::npos);
    // The whole header lies in one stored block, unchanged.
    EXPECT_EQ(packed.substr(inPacked, 512), tar.substr(inTar, 512));
    packed.replace(inPacked, 512, std::string(512, '\0'));
    return packed;
}

std::string Delivery(const std::string& knt, const std::string& kik) {
    return TarBytes({{kKnt, knt}, {kKik, kik}, {"img/", ""}}, false);
}

std::string Listed(const std::vector<DamagedStream>& streams) {
    std::string text;
    for (const DamagedStream& s : streams) text += "[" + s.archive + "] " + s.reason + "\n";
    return text;
}

TEST(FindDamagedStreams, NamesEachDamagedGzipStreamWithItsReason) {
    const std::string knt = TarBytes(TwoStations());
    const std::string kik = TarBytes(Station("K"));
    const std::string tar = TarBytes(TwoStations(), false);
    struct Case {
        const char* what;
        const char* name;
        std::string bytes;
        std::vector<DamagedStream> damaged;  // reasons in part
    };
    const std::vector<Case> cases{
        {"a whole delivery", "d.tar", Delivery(knt, kik), {}},
        {"CRC-32 of the archive inside", "d.tar", Delivery(Flipped(knt, 8), kik), {{kKnt, "gzip data damaged (crc error)"}}},
        {"length of the archive inside", "d.tar", Delivery(knt, Flipped(kik, 1)), {{kKik, "gzip data damaged (length error)"}}},
        {"both inside", "d.tar", Delivery(Flipped(knt, 8), Flipped(kik, 8)), {{kKnt, "crc error"}, {kKik, "crc error"}}},
        {"archive inside cut short", "d.tar", Delivery(knt.substr(0, knt.size() - 20), kik), {{kKnt, "gzip data cut short"}}},
        {"CRC-32 of the archive given", "d.tar.gz", Flipped(knt, 8), {{"", "gzip data damaged (crc error)"}}},
        {"a zero block decoded from damage", "z.tgz", ZeroBlockInside(), {{"", "gzip data damaged (crc error)"}}},
        {"a plain tar has no gzip check", "p.tar", tar.substr(0, tar.size() - 1024), {}},
    };
    testing::TempFolder folder;
    for (const Case& c : cases) {
        const std::vector<DamagedStream> found = FindDamagedStreams(folder.Write(c.name, c.bytes));
        ASSERT_EQ(found.size(), c.damaged.size()) << c.what << ":\n" << Listed(found);
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].archive, c.damaged[i].archive) << c.what;
            EXPECT_NE(found[i].reason.find(c.damaged[i].reason), std::string::npos) << c.what << ": " << found[i].reason;
        }
    }
}

// The reader's last step and its text: "End", "Failed: ERROR", and the
// archives inside that failed, "NAME: DAMAGE".
std::string LastSteps(const std::string& path, std::size_t& members) {
    ArchiveReader reader(path);
    std::string text;
    ArchiveMember m;
    members = 0;
    for (int guard = 0; guard < 1000; ++guard) {
        const ArchiveStep step = reader.Next(m);
        if (step == ArchiveStep::Member) ++members;
        if (step == ArchiveStep::NestedFailed) text += m.name + ": " + m.damage + "\n";
        if (step == ArchiveStep::End) return text + "End";
        if (step == ArchiveStep::Failed) return text + "Failed: " + reader.error();
    }
    return text + "no end";
}

TEST(ArchiveReader, AnArchiveEndingBeforeItsEndFailsThoughItsLastMemberIsWhole) {
    const std::string tar = TarBytes(TwoStations(), false);
    const std::string cutOnMember = tar.substr(0, tar.size() - 1024);  // without the end-of-archive blocks
    const std::string kik = TarBytes(Station("K"));
    struct Case {
        const char* what;
        const char* name;
        std::string bytes;
        std::size_t members;
        std::string last;  // in part
    };
    const std::vector<Case> cases{
        {"whole", "w.tar", tar, 6, "End"},
        {"cut on a member boundary", "c.tar", cutOnMember, 6, "Failed: cut short"},
        {"cut inside, on a member boundary", "d.tar", TarBytes({{"in.tar", cutOnMember}, {kKik, kik}}, false), 9,
         "in.tar: cut short"},
        {"cut three members earlier", "e.tar", cutOnMember.substr(0, kMemberInTar * 3), 3, "Failed: cut short"},
        {"zero block decoded from damage", "z.tgz", ZeroBlockInside(), 3, "Failed: gzip data damaged (crc error)"},
    };
    testing::TempFolder folder;
    for (const Case& c : cases) {
        std::size_t members = 0;
        const std::string last = LastSteps(folder.Write(c.name, c.bytes), members);
        EXPECT_EQ(members, c.members) << c.what << ": " << last;
        EXPECT_NE(last.find(c.last), std::string::npos) << c.what << ": " << last;
    }
}

}  // namespace
}  // namespace tremblo
