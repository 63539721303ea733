#include "common/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace tremblo {

namespace {

// flock(), retried when a signal interrupts it.
int Flock(int fd, int operation) {
    int rc = 0;
    do {
        rc = ::flock(fd, operation);
    } while (rc != 0 && errno == EINTR);
    return rc;
}

// True when `path` is still the file open as `fd`: the holder before may
// have removed it (and another program made a new one) while this one waited.
bool StillThere(const std::string& path, int fd) {
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

}  // namespace

std::optional<FileLock> FileLock::Acquire(const std::string& path, std::string& why,
                                          const std::function<void()>& waiting) {
    bool told = false;
    while (true) {
        // Never through a link, never a FIFO or a device in its place.
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
        if (fd < 0) {
            why = std::strerror(errno);
            return std::nullopt;
        }
        struct stat status {};
        int rc = ::fstat(fd, &status);
        if (rc == 0 && !S_ISREG(status.st_mode)) {
            errno = EINVAL;
            rc = -1;
        }
        if (rc == 0) rc = Flock(fd, LOCK_EX | LOCK_NB);
        if (rc != 0 && errno == EWOULDBLOCK) {
            if (!told && waiting) waiting();
            told = true;
            rc = Flock(fd, LOCK_EX);
        }
        if (rc != 0) {
            why = std::strerror(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (StillThere(path, fd)) return FileLock(path, fd);
        ::close(fd);  // removed by the holder before: lock the one there now
    }
}

FileLock::FileLock(FileLock&& other) noexcept : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)) {}

FileLock::~FileLock() {
    if (fd_ < 0) return;
    // Removed while still held: a program waiting for it then finds it gone
    // and locks the next one.
    ::unlink(path_.c_str());
    ::close(fd_);
}

}  // namespace tremblo
