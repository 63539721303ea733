#include "pipeline/file_list.h"

#include "common/descriptor_stream.h"
#include "common/readable_file.h"

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

// A pipe is read (`<(find ...)`), as long as a program writes to it.
FileList ReadFileListFrom(const std::string& source, std::istream& standardInput) {
    if (source == "-") return ReadFileList(standardInput);
    OpenedFile file = OpenFileToRead(source, FileKinds::RegularOrPipe);
    if (file.refusedFolder()) return Refused("is a folder, not a list of files");
    if (!file) return Refused(file.why());
    std::string leading = file.TakeLeading();
    DescriptorStream in(file.Release(), std::move(leading));
    return ReadFileList(in);
}

}  // namespace tremblo
