#include "input/record_file_source.h"

#include <sys/stat.h>

#include <fstream>

#include "common/translation.h"

namespace tremblo {

std::string NotARegularFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode)) return {};
    if (S_ISDIR(status.st_mode)) return TrText("input", "ファイルではなくフォルダーです");
    return TrText("input", "通常のファイルではありません（パイプや装置のファイルは読みません）");
}

// Only regular files are opened: a FIFO would block the open, a device such
// as /dev/zero would never end.
std::unique_ptr<std::istream> DiskFileSource::Open(const std::string& path) {
    failures_.erase(path);
    if (std::string refused = NotARegularFile(path); !refused.empty()) {
        failures_[path] = std::move(refused);
        return nullptr;
    }
    auto in = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*in) return nullptr;
    return in;
}

std::string DiskFileSource::OpenFailure(const std::string& path) const {
    const auto failure = failures_.find(path);
    return failure == failures_.end() ? std::string() : failure->second;
}

std::optional<std::string> DiskFileSource::FindIgnoringCase(const std::string& path) {
    if (std::optional<std::string> found = FindFileIgnoringCase(path, listings_)) return found;
    // A folder or a FIFO under the name: Open then says why it is not read,
    // rather than the loader calling the file missing.
    if (!NotARegularFile(path).empty()) return path;
    for (const std::string& variant : CaseVariantsOf(path))
        if (!NotARegularFile(variant).empty()) return variant;
    return std::nullopt;
}

}  // namespace tremblo
