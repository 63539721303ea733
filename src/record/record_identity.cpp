#include "record/record_identity.h"

#include <filesystem>

#include "common/path_text.h"
#include "record/component_names.h"

namespace tremblo {

namespace {

std::string Normal(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return (ec ? std::filesystem::path(path) : absolute).lexically_normal().string();
}

}  // namespace

std::string RecordIdentity(const std::string& path, RecordFormat format, bool threeComponents,
                           FolderListings* listings) {
    std::string first = path;
    if (threeComponents) {
        if (format == RecordFormat::Knet) {
            if (HasShortExtension(path)) first = DeriveKnetComponentNames(path, true).paths[0];
        } else if (const auto pair = DerivePairNames(path)) {
            first = (*pair)[0];
        }
    }
    return Normal(FindFileIgnoringCase(first, listings).value_or(first));
}

}  // namespace tremblo
