#include "input/checked_gzip_stream.h"

#include <cerrno>
#include <cstring>
#include <zlib.h>

namespace tremblo {

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 16;

bool StartsGzipMember(const char* bytes, std::size_t size) {
    return size >= 2 && static_cast<unsigned char>(bytes[0]) == 0x1f && static_cast<unsigned char>(bytes[1]) == 0x8b;
}

}  // namespace

struct CheckedGzipStream::Inflater {
    z_stream z{};
    bool ready = false;
    ~Inflater() {
        if (ready) inflateEnd(&z);
    }
};

CheckedGzipStream::CheckedGzipStream(RawRead raw)
    : raw_(std::move(raw)), in_(std::make_unique<char[]>(kBlock)), out_(std::make_unique<char[]>(kBlock)) {}

CheckedGzipStream::~CheckedGzipStream() = default;

long CheckedGzipStream::Fail(std::string reason) {
    failed_ = true;
    error_ = std::move(reason);
    return -1;
}

long CheckedGzipStream::Damaged(std::string reason) {
    damaged_ = true;
    return Fail("gzip data " + std::move(reason));
}

bool CheckedGzipStream::Drain() {
    const void* data = nullptr;
    long read = 0;
    while ((read = Read(&data)) > 0) {
    }
    return read == 0;
}

bool CheckedGzipStream::Refill() {
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
        Fail(reason.empty() ? "read error" : reason);
        return false;
    }
    if (read == 0) {
        rawEnded_ = true;
        return false;
    }
    inEnd_ += static_cast<std::size_t>(read);
    return true;
}

long CheckedGzipStream::Read(const void** data) {
    if (failed_) return -1;
    if (ended_) return 0;
    if (mode_ == Mode::Unknown) {
        while (inEnd_ < 2 && Refill()) {
        }
        if (failed_) return -1;
        mode_ = StartsGzipMember(in_.get(), inEnd_) ? Mode::Gzip : Mode::Plain;
    }
    if (mode_ == Mode::Gzip) return ReadGzip(data);
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

long CheckedGzipStream::ReadGzip(const void** data) {
    if (!inflater_) {
        inflater_ = std::make_unique<Inflater>();
        if (inflateInit2(&inflater_->z, 15 + 16) != Z_OK) return Fail("cannot start gzip decompression");
        inflater_->ready = true;
    }
    z_stream& z = inflater_->z;
    z.next_out = reinterpret_cast<Bytef*>(out_.get());
    z.avail_out = static_cast<uInt>(kBlock);
    while (z.avail_out == kBlock) {
        if (inStart_ == inEnd_ && !Refill()) {
            if (failed_) return -1;
            return Damaged("cut short");
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
            if (why == "incorrect data check") return Damaged("damaged (crc error)");
            if (why == "incorrect length check") return Damaged("damaged (length error)");
            return Damaged("damaged (" + why + ")");
        } else if (status == Z_MEM_ERROR) {
            return Fail("out of memory decompressing gzip data");
        } else if (status != Z_OK && status != Z_BUF_ERROR) {
            return Fail("gzip decompression failed");
        }
    }
    *data = out_.get();
    return static_cast<long>(kBlock - z.avail_out);
}

CheckedGzipStream::RawRead RawReadOfFile(std::shared_ptr<std::FILE> file, std::shared_ptr<std::uint64_t> counted) {
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
