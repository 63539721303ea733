#pragma once
// Where the loader reads a record's component files from: the disk by
// default, or the members of an archive held in memory. The loader works
// with the source's own paths and names them in its messages as the source
// shows them.
#include <istream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "common/path_text.h"
#include "common/readable_file.h"

namespace tremblo {

class RecordFileSource {
public:
    virtual ~RecordFileSource() = default;

    // The file at `path`, read from its start; nothing when it cannot be opened.
    virtual std::unique_ptr<std::istream> Open(const std::string& path) = 0;
    // The file named `path`, or one whose name differs only in letter case,
    // as FindFileIgnoringCase chooses it; nothing when there is none.
    virtual std::optional<std::string> FindIgnoringCase(const std::string& path) = 0;
    // `path` as messages name it.
    virtual std::string Shown(const std::string& path) const { return path; }
    // Why the last Open of `path` gave nothing when the file is there but
    // cannot be read (a damaged compressed file, say); empty otherwise.
    virtual std::string OpenFailure(const std::string& path) const {
        (void)path;
        return {};
    }
};

// Regular files only; folders listed through `listings` when given.
class DiskFileSource : public RecordFileSource {
public:
    explicit DiskFileSource(FolderListings* listings = nullptr) : listings_(listings) {}

    std::unique_ptr<std::istream> Open(const std::string& path) override;
    std::optional<std::string> FindIgnoringCase(const std::string& path) override;
    std::string OpenFailure(const std::string& path) const override;

private:
    FolderListings* listings_;
    std::map<std::string, std::string> failures_;  // path -> why it is not opened
};

}  // namespace tremblo
