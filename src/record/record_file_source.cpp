#include "record/record_file_source.h"

#include <fstream>

namespace tremblo {

std::unique_ptr<std::istream> DiskFileSource::Open(const std::string& path) {
    auto in = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*in) return nullptr;
    return in;
}

std::optional<std::string> DiskFileSource::FindIgnoringCase(const std::string& path) {
    return FindFileIgnoringCase(path, listings_);
}

}  // namespace tremblo
