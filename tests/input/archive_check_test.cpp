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

// The stored .tar.gz of two stations with a byte of B.NS's header changed:
// its tar checksum fails, and tar stops there, before the gzip check at the
// end of the stream has been read.
std::string BrokenHeaderInside() {
    std::string packed = testing::StoredTarGzBytes(TwoStations());
    const std::size_t at = packed.find("B.NS");
    EXPECT_NE(at, std::string::npos);
    packed[at] = 'C';
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
        {"CRC-32 of the archive inside", "d.tar", Delivery(Flipped(knt, 8), kik), {{kKnt, "gzip データが壊れています（CRC が合いません）"}}},
        {"length of the archive inside", "d.tar", Delivery(knt, Flipped(kik, 1)), {{kKik, "gzip データが壊れています（長さが合いません）"}}},
        {"both inside", "d.tar", Delivery(Flipped(knt, 8), Flipped(kik, 8)), {{kKnt, "CRC が合いません"}, {kKik, "CRC が合いません"}}},
        {"archive inside cut short", "d.tar", Delivery(knt.substr(0, knt.size() - 20), kik), {{kKnt, "gzip データが途中で切れています"}}},
        {"CRC-32 of the archive given", "d.tar.gz", Flipped(knt, 8), {{"", "gzip データが壊れています（CRC が合いません）"}}},
        {"a zero block decoded from damage", "z.tgz", ZeroBlockInside(), {{"", "gzip データが壊れています（CRC が合いません）"}}},
        {"a tar header broken before the check", "d.tar", Delivery(BrokenHeaderInside(), kik),
         {{kKnt, "gzip データが壊れています（CRC が合いません）"}}},
        {"the same in the archive given", "b.tgz", BrokenHeaderInside(), {{"", "gzip データが壊れています（CRC が合いません）"}}},
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

// zstd, bzip2 and xz streams are checked as gzip ones are: damage anywhere
// in them, or a cut, is found however far the tar inside got.
TEST(FindDamagedStreams, ChecksZstdBzip2AndXzStreamsToTheirEnd) {
    using testing::Compression;
    const struct {
        Compression compression;
        const char* inner;
        const char* given;
        const char* reason;
    } kinds[]{
        {Compression::Zstd, "e.knt.tar.zst", "d.tar.zst", "zstd データが壊れています"},
        {Compression::Bzip2, "e.knt.tar.bz2", "d.tar.bz2", "bzip2 データが壊れています"},
        {Compression::Xz, "e.knt.tar.xz", "d.tar.xz", "xz データが壊れています"},
    };
    testing::TempFolder folder;
    for (const auto& kind : kinds) {
        const std::string whole = testing::CompressedTarBytes(TwoStations(), kind.compression);
        std::string middle = whole;
        middle[whole.size() / 2] = static_cast<char>(middle[whole.size() / 2] ^ 0x40);
        const std::string cut = whole.substr(0, whole.size() - 6);
        const std::string kik = TarBytes(Station("K"));
        const auto delivery = [&](const std::string& inner) {
            return TarBytes({{kind.inner, inner}, {kKik, kik}}, false);
        };
        const struct {
            const char* what;
            std::string name;
            std::string bytes;
            std::string damaged;  // the archive named, "-" for none
        } cases[]{
            {"whole inside", "w.tar", delivery(whole), "-"},
            {"whole, given", kind.given, whole, "-"},
            {"damaged in the middle, inside", "m.tar", delivery(middle), kind.inner},
            {"damaged in the middle, given", kind.given, middle, ""},
            {"its check cut off, inside", "c.tar", delivery(cut), kind.inner},
            {"its check cut off, given", kind.given, cut, ""},
        };
        for (const auto& c : cases) {
            const std::vector<DamagedStream> found = FindDamagedStreams(folder.Write(c.name, c.bytes));
            const std::string what = std::string(kind.reason) + ", " + c.what;
            if (c.damaged == "-") {
                EXPECT_TRUE(found.empty()) << what << ":\n" << Listed(found);
                continue;
            }
            ASSERT_EQ(found.size(), 1u) << what << ":\n" << Listed(found);
            EXPECT_EQ(found[0].archive, c.damaged) << what;
            EXPECT_TRUE(found[0].reason.starts_with(kind.reason)) << what << ": " << found[0].reason;
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
        {"cut on a member boundary", "c.tar", cutOnMember, 6, "Failed: 途中で切れています"},
        {"cut inside, on a member boundary", "d.tar", TarBytes({{"in.tar", cutOnMember}, {kKik, kik}}, false), 9,
         "in.tar: 途中で切れています"},
        {"cut three members earlier", "e.tar", cutOnMember.substr(0, kMemberInTar * 3), 3, "Failed: 途中で切れています"},
        {"zero block decoded from damage", "z.tgz", ZeroBlockInside(), 3, "Failed: gzip データが壊れています（CRC が合いません）"},
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
