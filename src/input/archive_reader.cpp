#include "input/archive_reader.h"

#include <archive_entry.h>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/format.h"
#include "common/readable_file.h"
#include "common/path_text.h"
#include "common/translation.h"
#include "input/checked_stream.h"
#include "input/gzip_bytes.h"
#include "input/library_reasons.h"

namespace tremblo {

// One archive being read: the archive given, or one inside it that streams
// out of the archive holding it.
struct ArchiveReader::Level {
    ArchiveHandle handle{archive_read_new()};
    std::string name;            // its name as its members' names start; empty for the archive given
    std::string loadName;        // the same with '/' for ':'
    std::unique_ptr<CheckedStream> content;
    std::string sourceError;     // why reading the archive holding it failed: then that cannot be read on
};

namespace {

// Gives libarchive an archive's bytes, gzip decompressed and checked here.
la_ssize_t ReadLevel(archive* self, void* client, const void** data) {
    auto* level = static_cast<ArchiveReader::Level*>(client);
    const long read = level->content->Read(data);
    if (read < 0) {
        archive_set_error(self, EIO, "%s", level->content->error().c_str());
        return ARCHIVE_FATAL;
    }
    return static_cast<la_ssize_t>(read);
}

// An archive inside is read from the one holding it as its content comes:
// at most a block of it is held at a time.
CheckedStream::RawRead FromHolder(archive* holder, std::string& holderError) {
    return [holder, &holderError](char* buffer, std::size_t capacity, std::string& error) -> long {
        const la_ssize_t read = archive_read_data(holder, buffer, capacity);
        if (read >= 0) return static_cast<long>(read);
        holderError = error = ArchiveErrorText(holder);
        return -1;
    };
}

// The content comes decompressed and checked (CheckedStream): tar reads it
// as it is, and a compression not checked there is no tar to it.
void SupportTarFormats(archive* handle) {
    archive_read_support_filter_none(handle);
    archive_read_support_format_tar(handle);
    archive_read_support_format_gnutar(handle);
}

// Starts libarchive on the level's content; an error text when it cannot.
std::string Open(ArchiveReader::Level& level) {
    SupportTarFormats(level.handle.get());
    if (archive_read_open(level.handle.get(), &level, nullptr, ReadLevel, nullptr) == ARCHIVE_OK) return {};
    return ArchiveErrorText(level.handle.get());
}

// Why an archive that has come to its end is not whole, else empty: its gzip
// data is read to the end first, so that the check there is made, and a tar
// must close with its end-of-archive blocks (one cut exactly between two
// members would otherwise pass for whole).
std::string EndProblem(ArchiveReader::Level& level) {
    if (level.content->compressed() && !level.content->Drain()) return level.content->error();
    archive* handle = level.handle.get();
    if (archive_filter_bytes(handle, 0) == archive_read_header_position(handle))
        return ArchiveEndMissing();
    return {};
}

}  // namespace

bool IsArchiveName(std::string_view path) {
    static constexpr std::array<std::string_view, 7> kEndings{".tar", ".tar.gz", ".tgz", ".tar.bz2",
                                                              ".tar.xz", ".tar.zst", ".tbz2"};
    for (const std::string_view end : kEndings)
        if (path.size() > end.size() && EqualIgnoringAsciiCase(path.substr(path.size() - end.size()), end))
            return true;
    return false;
}

ArchiveReader::ArchiveReader(const std::string& path, MemberFilter wanted) : wanted_(std::move(wanted)) {
    std::string why;
    std::shared_ptr<std::FILE> file(OpenFileHandle(path, why), [](std::FILE* f) {
        if (f) std::fclose(f);
    });
    if (!file) {
        error_ = "cannot open " + path + ": " + why;
        return;
    }
    auto level = std::make_unique<Level>();
    level->content = std::make_unique<CheckedStream>(RawReadOfFile(std::move(file), fileBytesRead_));
    error_ = Open(*level);
    if (error_.empty()) {
        levels_.push_back(std::move(level));
        return;
    }
    // Damage may make the first blocks unreadable as tar long before the
    // check that tells it is damage.
    if (level->content->compressed()) level->content->Drain();
    if (level->content->damaged()) damagedStreams_.push_back(DamagedStream{{}, level->content->error()});
}

ArchiveReader::~ArchiveReader() {
    // The archives inside read from those holding them: freed innermost first.
    while (!levels_.empty()) levels_.pop_back();
}

void ArchiveReader::PopLevel() {
    Level& level = *levels_.back();
    // Whatever its tar said, compressed data is read to its end, where its
    // check is: damage that broke a tar header before that point would
    // otherwise leave the members read before it looking whole.
    if (level.content->compressed() && level.sourceError.empty()) level.content->Drain();
    if (level.content->damaged()) damagedStreams_.push_back(DamagedStream{level.name, level.content->error()});
    levels_.pop_back();
}

ArchiveStep ArchiveReader::Fail(std::string reason) {
    error_ = std::move(reason);
    while (!levels_.empty()) PopLevel();
    return ArchiveStep::Failed;
}

// The innermost archive open cannot be read on. When that is because the
// archive holding it could not give its content, the holder fails instead,
// and so on outwards; an archive inside fails alone (the one holding it skips
// the rest of it), the archive given fails the whole.
ArchiveStep ArchiveReader::LevelFailed(std::string reason, ArchiveMember& member) {
    while (levels_.size() > 1 && !levels_.back()->sourceError.empty()) {
        reason = std::move(levels_.back()->sourceError);
        PopLevel();
    }
    if (levels_.size() <= 1) return Fail(std::move(reason));
    member = ArchiveMember{};
    member.name = levels_.back()->name;
    member.loadName = levels_.back()->loadName;
    member.damage = std::move(reason);
    PopLevel();
    return ArchiveStep::NestedFailed;
}

// Starts reading the archive `candidate` names as the innermost level; a
// step to report when it cannot be, else Member to go on reading.
ArchiveStep ArchiveReader::OpenInner(ArchiveMember& candidate) {
    if (levels_.size() >= kArchiveDepthLimit) {
        candidate.damage = StringPrintf(TrText("input", "読んでいません: アーカイブは %d 段の入れ子までしか読みません").c_str(),
                                        static_cast<int>(kArchiveDepthLimit));
        return ArchiveStep::NestedFailed;  // the holder skips its content
    }
    auto level = std::make_unique<Level>();
    level->name = candidate.name;
    level->loadName = candidate.loadName;
    level->content = std::make_unique<CheckedStream>(FromHolder(levels_.back()->handle.get(), level->sourceError));
    Level& opened = *level;
    levels_.push_back(std::move(level));
    const std::string error = Open(opened);
    if (!error.empty()) return LevelFailed(error, candidate);
    return ArchiveStep::Member;
}

ArchiveStep ArchiveReader::Next(ArchiveMember& member) {
    while (!levels_.empty()) {
        Level& level = *levels_.back();
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(level.handle.get(), &entry);
        if (status == ARCHIVE_EOF) {
            if (std::string problem = EndProblem(level); !problem.empty()) return LevelFailed(std::move(problem), member);
            if (levels_.size() == 1) {
                PopLevel();
                return ArchiveStep::End;
            }
            member = ArchiveMember{};
            member.name = level.name;
            member.loadName = level.loadName;
            PopLevel();
            return ArchiveStep::NestedEnd;
        }
        // A damaged header (ARCHIVE_RETRY) fails the archive as well: what follows it cannot be trusted.
        if (status == ARCHIVE_RETRY && !level.content->damaged())
            return LevelFailed(std::string(kDamagedHeader) + " (" + ArchiveErrorText(level.handle.get()) + ")", member);
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) return LevelFailed(ArchiveErrorText(level.handle.get()), member);
        ++entries_;
        const char* path = archive_entry_pathname(entry);
        if (archive_entry_filetype(entry) != AE_IFREG || path == nullptr) {
            ++skipped_;
            continue;
        }
        ArchiveMember candidate;
        const std::size_t prefix = level.name.empty() ? 0 : level.name.size() + 1;
        candidate.nestedPrefix = prefix;
        candidate.name = prefix ? level.name + kNestedNameSeparator + path : std::string(path);
        const std::string stored = IsArchiveName(path) ? std::string(path) : WithoutGzipExtension(path);
        candidate.loadName = prefix ? level.loadName + '/' + stored : stored;
        if (wanted_ && !wanted_(candidate)) {
            ++skipped_;  // its content is passed over by the next header
            continue;
        }
        if (!IsArchiveName(path)) {
            member = std::move(candidate);
            return ReadContent(member, entry);
        }
        const ArchiveStep opened = OpenInner(candidate);
        if (opened != ArchiveStep::Member) {
            member = std::move(candidate);
            return opened;
        }
    }
    return error_.empty() ? ArchiveStep::End : ArchiveStep::Failed;
}

ArchiveStep ArchiveReader::ReadContent(ArchiveMember& member, archive_entry* entry) {
    archive* handle = levels_.back()->handle.get();
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > static_cast<la_int64_t>(kMemberByteLimit)) {
        member.damage = StringPrintf(TrText("input", "%d MiB を超えています").c_str(),
                                     static_cast<int>(kMemberByteLimit >> 20));
        if (archive_read_data_skip(handle) != ARCHIVE_OK) return LevelFailed(ArchiveErrorText(handle), member);
        return ArchiveStep::Member;
    }
    Result<std::string> content = ReadEntryContent(handle);
    if (!content) return LevelFailed(content.error().message, member);
    if (!HasGzipExtension(member.name)) {
        member.bytes = std::move(content.value());
        return ArchiveStep::Member;
    }
    Result<std::string> decompressed = DecompressGzip(content.value());
    if (decompressed)
        member.bytes = std::move(decompressed.value());
    else
        member.damage = StringPrintf(TrText("input", "展開できません: %s").c_str(), decompressed.error().message.c_str());
    return ArchiveStep::Member;
}

std::vector<DamagedStream> FindDamagedStreams(const std::string& path) {
    ArchiveReader reader(path, [](const ArchiveMember& candidate) { return IsArchiveName(candidate.name); });
    ArchiveMember member;
    ArchiveStep step = ArchiveStep::Member;
    while (step != ArchiveStep::End && step != ArchiveStep::Failed) step = reader.Next(member);
    return reader.damagedStreams();
}

}  // namespace tremblo
