#include "input/gzip_bytes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/path_text.h"
#include "common/readable_file.h"
#include "input/archive_handle.h"
#include "input/checked_stream.h"

namespace tremblo {

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && EqualIgnoringAsciiCase(text.substr(text.size() - end.size()), end);
}

// All the decompressed content of gzip bytes coming from `raw`.
Result<std::string> ReadAllGzip(CheckedStream::RawRead raw) {
    CheckedStream stream(std::move(raw));
    std::string content;
    const void* data = nullptr;
    long read;
    while ((read = stream.Read(&data)) > 0) {
        if (!stream.gzip()) return ReadError(0, "not gzip-compressed");
        if (content.size() + static_cast<std::size_t>(read) > kMemberByteLimit)
            return ReadError(0, "larger than " + std::to_string(kMemberByteLimit >> 20) + " MiB");
        content.append(static_cast<const char*>(data), static_cast<std::size_t>(read));
    }
    if (read < 0) return ReadError(0, stream.error());
    if (!stream.gzip()) return ReadError(0, "not gzip-compressed");
    return content;
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
    return ReadAllGzip([bytes](char* buffer, std::size_t capacity, std::string&) mutable -> long {
        const std::size_t count = std::min(capacity, bytes.size());
        std::memcpy(buffer, bytes.data(), count);
        bytes.remove_prefix(count);
        return static_cast<long>(count);
    });
}

Result<std::string> ReadGzipFile(const std::string& path) {
    std::string why;
    std::shared_ptr<std::FILE> file(OpenFileHandle(path, why), [](std::FILE* f) {
        if (f) std::fclose(f);
    });
    if (!file) return ReadError(0, "cannot open " + path + ": " + why);
    return ReadAllGzip(RawReadOfFile(std::move(file)));
}

}  // namespace tremblo
