#pragma once
// Component files on disk that may be gzip-compressed (X.NS.gz, X.EW.gz,
// X.UD.gz), each decompressed in memory when read. The loader is handed the
// names without ".gz" (X.NS); a name stands for its .gz file when there is
// one (in any letter case), otherwise for the plain file. Messages name the
// files as they are on disk.
#include <map>

#include "input/record_file_source.h"

namespace tremblo {

class GzipFileSource : public RecordFileSource {
public:
    explicit GzipFileSource(FolderListings* listings = nullptr) : disk_(listings) {}

    std::unique_ptr<std::istream> Open(const std::string& path) override;
    std::optional<std::string> FindIgnoringCase(const std::string& path) override;
    std::string Shown(const std::string& path) const override;
    std::string OpenFailure(const std::string& path) const override;

private:
    // The .gz file `path` stands for, if any.
    std::optional<std::string> CompressedFile(const std::string& path);

    DiskFileSource disk_;
    std::map<std::string, std::string> compressed_;  // load name -> .gz file, as found
    std::map<std::string, std::string> failures_;    // load name -> why its .gz file cannot be read
};

}  // namespace tremblo
