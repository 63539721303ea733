#pragma once
// Bytes that may be compressed, decompressed as they are read and checked
// with the compression's own check: gzip (each member's CRC-32 and length,
// by zlib here: libarchive's own gzip reading hands on damaged data without
// a word), zstd (its content checksum), bzip2 (block and stream CRCs) and xz
// (its check), the last three through libarchive's filters. Each check is
// made as its data ends, after the data was handed on: whoever trusts what a
// stream gave must first read it to its end (Drain) and see it is not
// damaged(). The archive reader gives libarchive's tar reading what comes
// out; anything not starting as one of these passes unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace tremblo {

class CheckedStream {
public:
    // Reads at most `capacity` bytes into `buffer`: their count, 0 at the
    // end, negative on failure with `error` set.
    using RawRead = std::function<long(char* buffer, std::size_t capacity, std::string& error)>;

    explicit CheckedStream(RawRead raw);
    ~CheckedStream();
    CheckedStream(const CheckedStream&) = delete;
    CheckedStream& operator=(const CheckedStream&) = delete;

    // The next bytes, decompressed when the stream starts as one of the
    // compressions above does, else as they come: points `data` at them and
    // gives their count; 0 at the end; negative when reading or
    // decompressing fails: error() says why. Damaged or cut-short
    // compressed data fails.
    long Read(const void** data);
    const std::string& error() const { return error_; }
    // Known after the first Read: the bytes are compressed (gzip() by gzip).
    bool compressed() const { return mode_ == Mode::Gzip || mode_ == Mode::Unpacked; }
    bool gzip() const { return mode_ == Mode::Gzip; }
    // The compressed data itself failed (damaged, its check wrong, cut
    // short), not the reading of it: nothing it gave can be trusted, the
    // check covering the whole stream.
    bool damaged() const { return damaged_; }
    // Reads what is left to the end, discarding it, so that the check at the
    // end is made: false when the data fails.
    bool Drain();

private:
    enum class Mode { Unknown, Plain, Gzip, Unpacked };
    struct Inflater;
    struct Unpacker;
    friend struct UnpackerFeed;

    long Fail(std::string reason);
    long Damaged(std::string reason);  // of the compressed data
    bool Refill();  // more raw bytes after those not consumed yet; false at the end or on failure
    long ReadGzip(const void** data);
    long ReadUnpacked(const void** data);
    long FeedUnpacker(const void** data);  // the raw bytes libarchive's filter asks for

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
    std::unique_ptr<Unpacker> unpacker_;
    std::string compression_;  // of an unpacked stream: "zstd", "bzip2", "xz"
    std::string error_;
};

// The raw bytes of an open file, read on from where it stands; `counted`,
// when given, adds up the bytes read.
CheckedStream::RawRead RawReadOfFile(std::shared_ptr<std::FILE> file,
                                         std::shared_ptr<std::uint64_t> counted = nullptr);

}  // namespace tremblo
