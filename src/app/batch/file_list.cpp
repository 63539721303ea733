#include "app/batch/file_list.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace tremblo {

namespace {

FileList Refused(std::string error) { return FileList{{}, std::move(error)}; }

FileList TooLong(int line) {
    return Refused("line " + std::to_string(line) + " is longer than a path can be (" +
                   std::to_string(FILE_LIST_LINE_LIMIT) + " bytes)");
}

}  // namespace

FileList ReadFileList(std::istream& in) {
    FileList list;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) return Refused("cannot be read");
    constexpr int eof = std::char_traits<char>::eof();
    std::string line;
    bool nul = false;
    int number = 1;
    try {
        for (int c = buffer->sbumpc();; c = buffer->sbumpc()) {
            if (c == '\n' || c == eof) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (nul) return Refused("line " + std::to_string(number) + " holds a NUL byte");
                if (line.size() > FILE_LIST_LINE_LIMIT) return TooLong(number);
                if (!line.empty()) list.files.push_back(std::move(line));
                line.clear();
                if (c == eof) break;
                ++number;
                continue;
            }
            if (c == '\0') nul = true;
            line.push_back(static_cast<char>(c));
            // One more for the CR of a CR LF line end.
            if (line.size() > FILE_LIST_LINE_LIMIT + 1) return TooLong(number);
        }
    } catch (...) {
        // A stream buffer that fails to read throws (libstdc++'s filebuf does).
        in.setstate(std::ios::badbit);
    }
    if (in.bad()) return Refused("cannot be read to its end (line " + std::to_string(number) + ")");
    in.setstate(std::ios::eofbit);
    return list;
}

FileList ReadFileListFrom(const std::string& source, std::istream& standardInput) {
    if (source == "-") return ReadFileList(standardInput);
    struct stat status {};
    if (::stat(source.c_str(), &status) != 0) return Refused(std::strerror(errno));
    if (S_ISDIR(status.st_mode)) return Refused("is a folder, not a list of files");
    std::ifstream in(source, std::ios::binary);
    if (!in) return Refused(std::strerror(errno));
    return ReadFileList(in);
}

}  // namespace tremblo
