#include "record/gzip_bytes.h"

#include "common/path_text.h"
#include "record/archive_handle.h"

namespace tremblo {

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && EqualIgnoringAsciiCase(text.substr(text.size() - end.size()), end);
}

ArchiveHandle GzipReader() {
    ArchiveHandle handle(archive_read_new());
    archive_read_support_filter_gzip(handle.get());
    archive_read_support_format_raw(handle.get());
    return handle;
}

// The single raw entry of an opened gzip reader.
Result<std::string> ReadRawContent(archive* handle) {
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(handle, &entry);
    if (status == ARCHIVE_EOF) return std::string();
    if (status < ARCHIVE_WARN) return ReadError(0, ArchiveErrorText(handle));
    if (archive_filter_code(handle, 0) != ARCHIVE_FILTER_GZIP) return ReadError(0, "not gzip-compressed");
    return ReadEntryContent(handle);
}

}  // namespace

bool HasGzipExtension(std::string_view name) {
    return EndsWithIgnoringCase(name, ".gz") && !EndsWithIgnoringCase(name, ".tar.gz");
}

std::string WithoutGzipExtension(std::string_view name) {
    if (!EndsWithIgnoringCase(name, ".gz")) return std::string(name);
    return std::string(name.substr(0, name.size() - 3));
}

Result<std::string> DecompressGzip(std::string_view bytes) {
    const ArchiveHandle handle = GzipReader();
    if (archive_read_open_memory(handle.get(), bytes.data(), bytes.size()) != ARCHIVE_OK)
        return ReadError(0, ArchiveErrorText(handle.get()));
    return ReadRawContent(handle.get());
}

Result<std::string> ReadGzipFile(const std::string& path) {
    const ArchiveHandle handle = GzipReader();
    if (archive_read_open_filename(handle.get(), path.c_str(), 1 << 16) != ARCHIVE_OK)
        return ReadError(0, ArchiveErrorText(handle.get()));
    return ReadRawContent(handle.get());
}

}  // namespace tremblo
