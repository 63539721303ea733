#include "support/archive_writer.h"

#include <archive.h>
#include <archive_entry.h>
#include <stdexcept>
#include <zstd.h>

namespace tremblo::testing {

namespace {

la_ssize_t Append(archive*, void* target, const void* buffer, size_t length) {
    static_cast<std::string*>(target)->append(static_cast<const char*>(buffer), length);
    return static_cast<la_ssize_t>(length);
}

void Check(archive* handle, int status) {
    if (status < ARCHIVE_WARN) throw std::runtime_error(archive_error_string(handle));
}

std::string Write(const MemberList& members, bool tar, bool gzip, bool stored = false) {
    std::string bytes;
    archive* handle = archive_write_new();
    Check(handle, tar ? archive_write_set_format_pax_restricted(handle) : archive_write_set_format_raw(handle));
    if (gzip) Check(handle, archive_write_add_filter_gzip(handle));
    if (stored) Check(handle, archive_write_set_filter_option(handle, "gzip", "compression-level", "0"));
    archive_write_set_bytes_in_last_block(handle, 1);
    Check(handle, archive_write_open(handle, &bytes, nullptr, Append, nullptr));
    for (const auto& [name, content] : members) {
        archive_entry* entry = archive_entry_new();
        const bool folder = tar && !name.empty() && name.back() == '/';
        const bool fifo = tar && !name.empty() && name.back() == '|';
        archive_entry_set_pathname(entry, (fifo ? name.substr(0, name.size() - 1) : name).c_str());
        archive_entry_set_filetype(entry, folder ? AE_IFDIR : fifo ? AE_IFIFO : AE_IFREG);
        archive_entry_set_perm(entry, folder ? 0755 : 0644);
        archive_entry_set_size(entry, folder || fifo ? 0 : static_cast<la_int64_t>(content.size()));
        Check(handle, archive_write_header(handle, entry));
        if (!folder && !fifo) archive_write_data(handle, content.data(), content.size());
        archive_entry_free(entry);
    }
    Check(handle, archive_write_close(handle));
    archive_write_free(handle);
    return bytes;
}

}  // namespace

std::string TarBytes(const MemberList& members, bool gzip) { return Write(members, true, gzip); }

std::string StoredTarGzBytes(const MemberList& members) { return Write(members, true, true, true); }

std::pair<std::string, std::string> ArchiveInside(const std::string& name, const MemberList& members) {
    const bool gzip = name.ends_with(".gz") || name.ends_with(".tgz");
    return {name, TarBytes(members, gzip)};
}

std::string CompressedTarBytes(const MemberList& members, Compression compression) {
    const std::string tar = TarBytes(members, false);
    if (compression != Compression::Zstd) {
        std::string bytes;
        archive* handle = archive_write_new();
        Check(handle, archive_write_set_format_raw(handle));
        Check(handle, compression == Compression::Bzip2 ? archive_write_add_filter_bzip2(handle)
                                                        : archive_write_add_filter_xz(handle));
        archive_write_set_bytes_in_last_block(handle, 1);
        Check(handle, archive_write_open(handle, &bytes, nullptr, Append, nullptr));
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, "data");
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_size(entry, static_cast<la_int64_t>(tar.size()));
        Check(handle, archive_write_header(handle, entry));
        archive_write_data(handle, tar.data(), tar.size());
        archive_entry_free(entry);
        Check(handle, archive_write_close(handle));
        archive_write_free(handle);
        return bytes;
    }
    // libarchive writes zstd frames without the checksum; the zstd program
    // writes it.
    ZSTD_CCtx* context = ZSTD_createCCtx();
    ZSTD_CCtx_setParameter(context, ZSTD_c_checksumFlag, 1);
    std::string bytes(ZSTD_compressBound(tar.size()), '\0');
    const std::size_t size = ZSTD_compress2(context, bytes.data(), bytes.size(), tar.data(), tar.size());
    ZSTD_freeCCtx(context);
    if (ZSTD_isError(size)) throw std::runtime_error(ZSTD_getErrorName(size));
    bytes.resize(size);
    return bytes;
}

std::string GzipBytes(const std::string& bytes) { return Write({{"data", bytes}}, false, true); }

}  // namespace tremblo::testing
