#include "input/checked_stream.h"

#include <cerrno>
#include <cstring>
#include <zlib.h>

#include "input/archive_handle.h"
#include "input/library_reasons.h"

namespace tremblo {

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 16;

bool StartsGzipMember(const char* bytes, std::size_t size) {
    return size >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f && static_cast<unsigned char>(bytes[1]) == 0x8b;
}

bool StartsWith(const char* bytes, std::size_t size, std::string_view magic) {
    return size >= magic.size() && std::memcmp(bytes, magic.data(), magic.size()) == 0;
}

// The compression libarchive unpacks for us, by the stream's first bytes:
// "zstd", "bzip2", "xz", or "" for none of them.
std::string UnpackableCompression(const char* bytes, std::size_t size) {
    using namespace std::string_view_literals;
    if (StartsWith(bytes, size, "\x28\xb5\x2f\xfd"sv)) return "zstd";
    if (StartsWith(bytes, size, "BZh"sv)) return "bzip2";
    if (StartsWith(bytes, size, "\xfd" "7zXZ\0"sv)) return "xz";
    return {};
}

constexpr std::size_t kMagicBytes = 6;  // enough to tell every compression read here

}  // namespace

// libarchive's raw format over its zstd, bzip2 and xz filters, fed the
// stream's raw bytes.
struct CheckedStream::Unpacker {
    ArchiveHandle handle{archive_read_new()};
    bool opened = false;
};

struct UnpackerFeed {
    static la_ssize_t Read(archive* self, void* client, const void** data) {
        auto* stream = static_cast<CheckedStream*>(client);
        const long read = stream->FeedUnpacker(data);
        if (read < 0) {
            archive_set_error(self, EIO, "%s", stream->error_.c_str());
            return ARCHIVE_FATAL;
        }
        return static_cast<la_ssize_t>(read);
    }
};

struct CheckedStream::Inflater {
    z_stream z{};
    bool ready = false;
    ~Inflater() {
        if (ready) inflateEnd(&z);
    }
};

CheckedStream::CheckedStream(RawRead raw)
    : raw_(std::move(raw)), in_(std::make_unique<char[]>(kBlock)), out_(std::make_unique<char[]>(kBlock)) {}

CheckedStream::~CheckedStream() = default;

long CheckedStream::Fail(std::string reason) {
    failed_ = true;
    error_ = std::move(reason);
    return -1;
}

long CheckedStream::Damaged(std::string reason) {
    damaged_ = true;
    return Fail(std::move(reason));
}

bool CheckedStream::Drain() {
    const void* data = nullptr;
    long read = 0;
    while ((read = Read(&data)) > 0) {
    }
    return read == 0;
}

bool CheckedStream::Refill() {
    if (rawEnded_ || failed_) return false;
    if (inStart_ > 0) {  // keep what is left at the front
        std::memmove(in_.get(), in_.get() + inStart_, inEnd_ - inStart_);
        inEnd_ -= inStart_;
        inStart_ = 0;
    }
    if (inEnd_ == kBlock) return true;
    std::string reason;
    const long read = raw_(in_.get() + inEnd_, kBlock - inEnd_, reason);
    if (read < 0) {
        Fail(reason.empty() ? ReadErrorText() : reason);
        return false;
    }
    if (read == 0) {
        rawEnded_ = true;
        return false;
    }
    inEnd_ += static_cast<std::size_t>(read);
    return true;
}

long CheckedStream::Read(const void** data) {
    if (failed_) return -1;
    if (ended_) return 0;
    if (mode_ == Mode::Unknown) {
        while (inEnd_ < kMagicBytes && Refill()) {
        }
        if (failed_) return -1;
        compression_ = UnpackableCompression(in_.get(), inEnd_);
        mode_ = StartsGzipMember(in_.get(), inEnd_) ? Mode::Gzip
                : !compression_.empty()             ? Mode::Unpacked
                                                    : Mode::Plain;
    }
    if (mode_ == Mode::Gzip) return ReadGzip(data);
    if (mode_ == Mode::Unpacked) return ReadUnpacked(data);
    if (inStart_ == inEnd_) {
        inStart_ = inEnd_ = 0;
        if (!Refill()) {
            if (failed_) return -1;
            ended_ = true;
            return 0;
        }
    }
    *data = in_.get() + inStart_;
    const long count = static_cast<long>(inEnd_ - inStart_);
    inStart_ = inEnd_;
    return count;
}

long CheckedStream::ReadGzip(const void** data) {
    if (!inflater_) {
        inflater_ = std::make_unique<Inflater>();
        if (inflateInit2(&inflater_->z, 15 + 16) != Z_OK) return Fail(DecompressionFailed("gzip"));
        inflater_->ready = true;
    }
    z_stream& z = inflater_->z;
    z.next_out = reinterpret_cast<Bytef*>(out_.get());
    z.avail_out = static_cast<uInt>(kBlock);
    while (z.avail_out == kBlock) {
        if (inStart_ == inEnd_ && !Refill()) {
            if (failed_) return -1;
            return Damaged(CompressedDataCutShort("gzip"));
        }
        z.next_in = reinterpret_cast<Bytef*>(in_.get() + inStart_);
        z.avail_in = static_cast<uInt>(inEnd_ - inStart_);
        const int status = inflate(&z, Z_NO_FLUSH);
        inStart_ = inEnd_ - z.avail_in;
        if (status == Z_STREAM_END) {
            // Another gzip member may follow (as `cat a.gz b.gz`); anything
            // else after the end is ignored, as gzip does.
            while (inEnd_ - inStart_ < 2 && Refill()) {
            }
            if (failed_) return -1;
            if (StartsGzipMember(in_.get() + inStart_, inEnd_ - inStart_)) {
                inflateReset(&z);
            } else {
                ended_ = true;
                break;
            }
        } else if (status == Z_DATA_ERROR) {
            const std::string why = z.msg ? z.msg : "invalid";
            if (why == "incorrect data check") return Damaged(GzipCheckFailed());
            if (why == "incorrect length check") return Damaged(GzipLengthFailed());
            return Damaged(CompressedDataDamaged("gzip", why));
        } else if (status == Z_MEM_ERROR) {
            return Fail(OutOfMemoryDecompressing("gzip"));
        } else if (status != Z_OK && status != Z_BUF_ERROR) {
            return Fail(DecompressionFailed("gzip"));
        }
    }
    *data = out_.get();
    return static_cast<long>(kBlock - z.avail_out);
}

long CheckedStream::FeedUnpacker(const void** data) {
    if (inStart_ == inEnd_) {
        inStart_ = inEnd_ = 0;
        if (!Refill()) return failed_ ? -1 : 0;
    }
    *data = in_.get() + inStart_;
    const long count = static_cast<long>(inEnd_ - inStart_);
    inStart_ = inEnd_;  // libarchive holds on to them until it asks again
    return count;
}

long CheckedStream::ReadUnpacked(const void** data) {
    if (!unpacker_) {
        unpacker_ = std::make_unique<Unpacker>();
        archive* handle = unpacker_->handle.get();
        archive_read_support_filter_zstd(handle);
        archive_read_support_filter_bzip2(handle);
        archive_read_support_filter_xz(handle);
        archive_read_support_format_raw(handle);
        archive_entry* entry = nullptr;
        const bool opened = archive_read_open(handle, this, nullptr, UnpackerFeed::Read, nullptr) == ARCHIVE_OK;
        if (failed_) return -1;
        if (!opened || archive_filter_count(handle) < 2)
            return Damaged(CompressedDataDamaged(compression_, ArchiveErrorText(handle)));
        const int status = archive_read_next_header(handle, &entry);
        if (status == ARCHIVE_EOF) {
            ended_ = true;
            return 0;
        }
        if (failed_) return -1;
        if (status != ARCHIVE_OK) return Damaged(CompressedDataDamaged(compression_, ArchiveErrorText(handle)));
        unpacker_->opened = true;
    }
    archive* handle = unpacker_->handle.get();
    const la_ssize_t read = archive_read_data(handle, out_.get(), kBlock);
    if (read > 0) {
        *data = out_.get();
        return static_cast<long>(read);
    }
    if (read == 0) {
        ended_ = true;
        return 0;
    }
    if (failed_) return -1;  // the raw bytes could not be read: not the data's fault
    const std::string why = ArchiveErrorText(handle);
    if (archive_errno(handle) == ENOMEM) return Fail(OutOfMemoryDecompressing(compression_));
    return Damaged(CompressedDataDamaged(compression_, why));
}

CheckedStream::RawRead RawReadOfFile(std::shared_ptr<std::FILE> file, std::shared_ptr<std::uint64_t> counted) {
    return [file = std::move(file), counted = std::move(counted)](char* buffer, std::size_t capacity,
                                                                  std::string& error) -> long {
        const std::size_t read = std::fread(buffer, 1, capacity, file.get());
        if (counted) *counted += read;
        if (read == 0 && std::ferror(file.get())) {
            error = std::strerror(errno);
            return -1;
        }
        return static_cast<long>(read);
    };
}

}  // namespace tremblo
