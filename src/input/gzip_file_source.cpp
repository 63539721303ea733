#include "input/gzip_file_source.h"

#include <sstream>

#include "input/gzip_bytes.h"

namespace tremblo {

std::optional<std::string> GzipFileSource::CompressedFile(const std::string& path) {
    if (const auto known = compressed_.find(path); known != compressed_.end()) return known->second;
    const std::optional<std::string> found = disk_.FindIgnoringCase(path + ".gz");
    if (!found) return std::nullopt;
    const std::string loadName = WithoutGzipExtension(*found);
    compressed_[loadName] = *found;
    compressed_[path] = *found;
    return found;
}

std::unique_ptr<std::istream> GzipFileSource::Open(const std::string& path) {
    const std::optional<std::string> file = CompressedFile(path);
    if (!file) return disk_.Open(path);
    if (std::string refused = NotARegularFile(*file); !refused.empty()) {
        failures_[path] = std::move(refused);
        return nullptr;
    }
    Result<std::string> content = ReadGzipFile(*file);
    if (!content) {
        failures_[path] = content.error().message;
        return nullptr;
    }
    return std::make_unique<std::istringstream>(std::move(content.value()));
}

std::optional<std::string> GzipFileSource::FindIgnoringCase(const std::string& path) {
    if (const std::optional<std::string> file = CompressedFile(path)) return WithoutGzipExtension(*file);
    return disk_.FindIgnoringCase(path);
}

std::string GzipFileSource::OpenFailure(const std::string& path) const {
    const auto failure = failures_.find(path);
    return failure == failures_.end() ? disk_.OpenFailure(path) : failure->second;
}

std::string GzipFileSource::Shown(const std::string& path) const {
    const auto known = compressed_.find(path);
    return known == compressed_.end() ? path : known->second;
}

}  // namespace tremblo
