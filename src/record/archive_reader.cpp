#include "record/archive_reader.h"

#include <archive_entry.h>
#include <array>

#include "common/path_text.h"
#include "record/gzip_bytes.h"

namespace tremblo {

bool IsArchiveName(std::string_view path) {
    static constexpr std::array<std::string_view, 7> kEndings{".tar", ".tar.gz", ".tgz", ".tar.bz2",
                                                              ".tar.xz", ".tar.zst", ".tbz2"};
    for (const std::string_view end : kEndings)
        if (path.size() > end.size() && EqualIgnoringAsciiCase(path.substr(path.size() - end.size()), end))
            return true;
    return false;
}

ArchiveReader::ArchiveReader(const std::string& path) : handle_(archive_read_new()) {
    archive_read_support_filter_all(handle_.get());
    archive_read_support_format_tar(handle_.get());
    archive_read_support_format_gnutar(handle_.get());
    if (archive_read_open_filename(handle_.get(), path.c_str(), 1 << 16) != ARCHIVE_OK)
        error_ = ArchiveErrorText(handle_.get());
    else
        open_ = true;
}

ArchiveStep ArchiveReader::Fail(std::string reason) {
    error_ = std::move(reason);
    open_ = false;
    return ArchiveStep::Failed;
}

ArchiveStep ArchiveReader::Next(ArchiveMember& member) {
    if (!open_) return error_.empty() ? ArchiveStep::End : ArchiveStep::Failed;
    while (true) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(handle_.get(), &entry);
        if (status == ARCHIVE_EOF) {
            open_ = false;
            return ArchiveStep::End;
        }
        if (status < ARCHIVE_WARN) return Fail(ArchiveErrorText(handle_.get()));
        if (archive_entry_filetype(entry) == AE_IFREG && archive_entry_pathname(entry) != nullptr)
            return ReadContent(member, entry);
    }
}

ArchiveStep ArchiveReader::ReadContent(ArchiveMember& member, archive_entry* entry) {
    member = ArchiveMember{};
    member.name = archive_entry_pathname(entry);
    member.loadName = HasGzipExtension(member.name) ? WithoutGzipExtension(member.name) : member.name;
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > static_cast<la_int64_t>(kMemberByteLimit)) {
        member.damage = "larger than " + std::to_string(kMemberByteLimit >> 20) + " MiB";
        if (archive_read_data_skip(handle_.get()) != ARCHIVE_OK) return Fail(ArchiveErrorText(handle_.get()));
        return ArchiveStep::Member;
    }
    Result<std::string> content = ReadEntryContent(handle_.get());
    if (!content) return Fail(content.error().message);
    if (member.loadName == member.name) {
        member.bytes = std::move(content.value());
        return ArchiveStep::Member;
    }
    Result<std::string> decompressed = DecompressGzip(content.value());
    if (decompressed)
        member.bytes = std::move(decompressed.value());
    else
        member.damage = "cannot decompress: " + decompressed.error().message;
    return ArchiveStep::Member;
}

}  // namespace tremblo
