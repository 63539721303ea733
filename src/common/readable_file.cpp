#include "common/readable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iterator>
#include <utility>

#include "common/descriptor_stream.h"
#include "common/translation.h"

namespace tremblo {

namespace {

std::string RefusalOf(mode_t mode, FileKinds kinds) {
    if (S_ISREG(mode)) return {};
    if (S_ISFIFO(mode) && kinds == FileKinds::RegularOrPipe) return {};
    if (S_ISDIR(mode)) return TrText("common", "ファイルではなくフォルダーです");
    if (kinds == FileKinds::RegularOrPipe)
        return TrText("common", "ファイルでもパイプでもありません（装置のファイルは読みません）");
    return TrText("common", "通常のファイルではありません（パイプや装置のファイルは読みません）");
}

// Takes what a pipe holds without waiting. An end of file before any byte
// means that no program writes to it (EAGAIN: one is there, not written yet).
// 0, or the errno of a failed read, or -1 for a pipe without a writer.
constexpr int kNoWriter = -1;
int ProbePipe(int fd, std::string& leading) {
    char bytes[4096];
    ssize_t n = 0;
    do {
        n = ::read(fd, bytes, sizeof bytes);
    } while (n < 0 && errno == EINTR);
    if (n == 0) return kNoWriter;
    if (n < 0) return errno == EAGAIN ? 0 : errno;
    leading.assign(bytes, static_cast<std::size_t>(n));
    return 0;
}

}  // namespace

std::string NotARegularFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return {};
    return RefusalOf(status.st_mode, FileKinds::Regular);
}

OpenedFile::OpenedFile(OpenedFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      error_(other.error_),
      refusal_(std::move(other.refusal_)),
      refusedFolder_(other.refusedFolder_),
      leading_(std::move(other.leading_)) {}

OpenedFile& OpenedFile::operator=(OpenedFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        error_ = other.error_;
        refusal_ = std::move(other.refusal_);
        refusedFolder_ = other.refusedFolder_;
        leading_ = std::move(other.leading_);
    }
    return *this;
}

OpenedFile::~OpenedFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::string OpenedFile::why() const {
    if (!refusal_.empty()) return refusal_;
    return error_ != 0 ? std::strerror(error_) : std::string();
}

int OpenedFile::Release() { return std::exchange(fd_, -1); }

OpenedFile OpenFileToRead(const std::string& path, FileKinds kinds) {
    OpenedFile file;
    // What stat() shows to be no file is never opened (opening some devices
    // does something).
    struct stat status {};
    const auto refuse = [&](mode_t mode) {
        file.refusal_ = RefusalOf(mode, kinds);
        file.refusedFolder_ = S_ISDIR(mode);
        return !file.refusal_.empty();
    };
    if (::stat(path.c_str(), &status) == 0 && refuse(status.st_mode)) return file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        file.error_ = errno;
        return file;
    }
    file.fd_ = fd;
    if (::fstat(fd, &status) != 0) {
        file.error_ = errno;
        ::close(file.Release());
        return file;
    }
    if (refuse(status.st_mode)) {
        ::close(file.Release());
        return file;
    }
    if (S_ISFIFO(status.st_mode)) {
        if (const int probed = ProbePipe(fd, file.leading_); probed != 0) {
            if (probed == kNoWriter) file.refusal_ = TrText("common", "パイプに書き込んでいるプログラムがありません");
            else file.error_ = probed;
            ::close(file.Release());
            return file;
        }
    }
    // Reads from here on wait for a pipe's writer as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        file.error_ = errno;
        ::close(file.Release());
    }
    return file;
}

std::unique_ptr<std::istream> OpenFileStream(const std::string& path, std::string& why, FileKinds kinds) {
    OpenedFile file = OpenFileToRead(path, kinds);
    if (!file) {
        why = file.why();
        return nullptr;
    }
    std::string leading = file.TakeLeading();
    return std::make_unique<DescriptorStream>(file.Release(), std::move(leading));
}

std::FILE* OpenFileHandle(const std::string& path, std::string& why) {
    OpenedFile file = OpenFileToRead(path);
    if (!file) {
        why = file.why();
        return nullptr;
    }
    std::FILE* handle = ::fdopen(file.fd(), "rb");
    if (handle == nullptr) {
        why = std::strerror(errno);
        return nullptr;  // `file` closes the descriptor
    }
    file.Release();
    return handle;
}

bool ReadRest(std::istream& in, std::string& bytes) {
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return true;
    } catch (const std::ios_base::failure&) {
        // The buffer throws on a failing read (EIO, say): no half a file.
        bytes.clear();
        return false;
    }
}

}  // namespace tremblo
