#include "app/batch/file_list.h"

#include <fstream>

namespace tremblo {

std::vector<std::string> ReadFileList(std::istream& in) {
    std::vector<std::string> files;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) files.push_back(std::move(line));
    }
    return files;
}

std::optional<std::vector<std::string>> ReadFileListFrom(const std::string& source, std::istream& standardInput) {
    if (source == "-") {
        std::vector<std::string> files = ReadFileList(standardInput);
        if (standardInput.bad()) return std::nullopt;
        return files;
    }
    std::ifstream in(source, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> files = ReadFileList(in);
    if (in.bad()) return std::nullopt;
    return files;
}

}  // namespace tremblo
