#pragma once
// A fresh folder under the system's temporary folder, removed at the end of
// the test.
#include <filesystem>
#include <string>

namespace tremblo::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

    // Writes `bytes` to the file `name` (folders created as needed); returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::string& path);

}  // namespace tremblo::testing
