#include "input/record_file_source.h"

#include <algorithm>

#include "common/descriptor_stream.h"

namespace tremblo {

// Only regular files are opened: a FIFO would block the open, a device such
// as /dev/zero would never end. A file that is not there or may not be read
// is left to the loader's own message.
std::unique_ptr<std::istream> DiskFileSource::Open(const std::string& path) {
    failures_.erase(path);
    OpenedFile file = OpenFileToRead(path);
    if (file.refused()) failures_[path] = file.why();
    if (!file) return nullptr;
    return std::make_unique<DescriptorStream>(file.Release());
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

std::vector<std::string> DiskFileSource::FilesBeside(const std::string& path) {
    const std::string folder = FolderPart(path);
    const std::string own(FileNamePart(path));
    const std::vector<std::string> names = listings_ ? listings_->Names(folder) : ListRegularFiles(folder);
    std::vector<std::string> paths;
    for (const std::string& name : names)
        if (name != own) paths.push_back(folder.empty() ? name : folder == "/" ? "/" + name : folder + "/" + name);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<std::string> ListedFileSource::FilesBeside(const std::string& path) {
    std::vector<std::string> paths;
    for (const std::string& file : files_)
        if (file != path) paths.push_back(file);
    return paths;
}

}  // namespace tremblo
