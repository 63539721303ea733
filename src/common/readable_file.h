#pragma once
// Opening a file the user named, for reading, without ever waiting: open()
// of a FIFO waits for a program to write to it, a device such as /dev/zero
// never ends and a folder is no file. Only regular files are read (a list of
// files may also come through a pipe): anything else is refused at once with
// a message in the program's words, before it is opened where stat() can
// tell, and after a non-blocking open otherwise, so that a FIFO put in the
// file's place in the meantime cannot hold the program either.
#include <cstdio>
#include <istream>
#include <memory>
#include <string>

namespace tremblo {

// Why `path` is no file to read (a folder, a FIFO, a device), in the words
// of the program's messages; "" for a regular file or a path that is not there.
std::string NotARegularFile(const std::string& path);

enum class FileKinds {
    Regular,
    // A FIFO or pipe too (a list from `<(find ...)`), read as long as a
    // program writes to it; one that no program is writing to when it is
    // opened is refused.
    RegularOrPipe,
};

// A file opened for reading, or why not. Owns its descriptor.
class OpenedFile {
public:
    OpenedFile() = default;
    OpenedFile(OpenedFile&& other) noexcept;
    OpenedFile& operator=(OpenedFile&& other) noexcept;
    ~OpenedFile();

    explicit operator bool() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Why it is not open: the program's words for what is no file to read,
    // else the system's (strerror).
    std::string why() const;
    // True when the path is there but is no file to read (NotARegularFile).
    bool refused() const { return !refusal_.empty(); }
    bool refusedFolder() const { return refusedFolder_; }
    // The errno of a failed open (0 when refused).
    int error() const { return error_; }

    // The descriptor, now the caller's, and bytes already read from a pipe
    // that come before what it reads next.
    int Release();
    std::string TakeLeading() { return std::move(leading_); }

private:
    friend OpenedFile OpenFileToRead(const std::string& path, FileKinds kinds);
    int fd_ = -1;
    int error_ = 0;
    std::string refusal_;
    bool refusedFolder_ = false;
    std::string leading_;
};

OpenedFile OpenFileToRead(const std::string& path, FileKinds kinds = FileKinds::Regular);

// The same as a stream or a C file; nothing (and `why` says why) when the
// file is not opened.
std::unique_ptr<std::istream> OpenFileStream(const std::string& path, std::string& why,
                                             FileKinds kinds = FileKinds::Regular);
std::FILE* OpenFileHandle(const std::string& path, std::string& why);

// All that `in` holds from where it stands; false (and `bytes` empty) when a
// read fails.
bool ReadRest(std::istream& in, std::string& bytes);

}  // namespace tremblo
