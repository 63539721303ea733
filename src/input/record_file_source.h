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
#include <vector>

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
    // The other files in the folder of `path`, as paths of this source, in
    // byte order (the component files of a record whose files say which
    // record they belong to are found among them). None by default.
    virtual std::vector<std::string> FilesBeside(const std::string& path) {
        (void)path;
        return {};
    }
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
    std::vector<std::string> FilesBeside(const std::string& path) override;

private:
    FolderListings* listings_;
    std::map<std::string, std::string> failures_;  // path -> why it is not opened
};

// Plain files on disk, of which only the listed ones are beside each other:
// a batch that has grouped a folder's files into records hands each record
// its own files.
class ListedFileSource : public DiskFileSource {
public:
    ListedFileSource(std::vector<std::string> files, FolderListings* listings = nullptr)
        : DiskFileSource(listings), files_(std::move(files)) {}
    std::vector<std::string> FilesBeside(const std::string& path) override;

private:
    std::vector<std::string> files_;
};

}  // namespace tremblo
