#pragma once
// Bytes that may be gzip-compressed, decompressed as they are read with each
// gzip member's CRC-32 and length checked. libarchive's own gzip reading
// hands on damaged data without a word, so the archive and .gz readers
// decompress gzip here and give libarchive what comes out.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace tremblo {

class CheckedGzipStream {
public:
    // Reads at most `capacity` bytes into `buffer`: their count, 0 at the
    // end, negative on failure with `error` set.
    using RawRead = std::function<long(char* buffer, std::size_t capacity, std::string& error)>;

    explicit CheckedGzipStream(RawRead raw);
    ~CheckedGzipStream();
    CheckedGzipStream(const CheckedGzipStream&) = delete;
    CheckedGzipStream& operator=(const CheckedGzipStream&) = delete;

    // The next bytes, decompressed when the stream starts as gzip does,
    // else as they come: points `data` at them and gives their count; 0 at
    // the end; negative when reading or decompressing fails: error() says
    // why. Damaged or cut-short gzip data fails.
    long Read(const void** data);
    const std::string& error() const { return error_; }
    // Known after the first Read: the bytes are gzip-compressed.
    bool compressed() const { return mode_ == Mode::Gzip; }
    // The gzip data itself failed (damaged, its check wrong, cut short),
    // not the reading of it: nothing it gave can be trusted, the check
    // covering the whole stream.
    bool damaged() const { return damaged_; }
    // Reads what is left to the end, discarding it, so that the check at the
    // end is made: false when the data fails.
    bool Drain();

private:
    enum class Mode { Unknown, Plain, Gzip };
    struct Inflater;

    long Fail(std::string reason);
    long Damaged(std::string reason);
    bool Refill();  // more raw bytes after those not consumed yet; false at the end or on failure
    long ReadGzip(const void** data);

    RawRead raw_;
    std::unique_ptr<char[]> in_;
    std::unique_ptr<char[]> out_;
    std::size_t inStart_ = 0, inEnd_ = 0;
    bool rawEnded_ = false;
    bool failed_ = false;
    bool ended_ = false;
    bool damaged_ = false;
    Mode mode_ = Mode::Unknown;
    std::unique_ptr<Inflater> inflater_;
    std::string error_;
};

// The raw bytes of an open file, read on from where it stands; `counted`,
// when given, adds up the bytes read.
CheckedGzipStream::RawRead RawReadOfFile(std::shared_ptr<std::FILE> file,
                                         std::shared_ptr<std::uint64_t> counted = nullptr);

}  // namespace tremblo
