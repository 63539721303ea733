#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <random>
#include <set>

#include "common/path_text.h"
#include "common/temporary_names.h"

namespace tremblo {

namespace {

// The live temporary files. Creating one happens under the lock, so that
// no file is made after RemoveLiveTemporaryFiles has run.
struct LiveTemporaries {
    std::mutex mutex;
    std::set<std::string> names;
    bool closed = false;
};

LiveTemporaries& Live() {
    static LiveTemporaries live;
    return live;
}

}  // namespace

int WriteAll(int fd, std::string_view bytes, WriteFunction write) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno != 0 ? errno : EIO;
        if (n == 0) return ENOSPC;
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

std::optional<TemporaryFile> CreateTemporaryBeside(const std::string& path) {
    static std::atomic<unsigned> counter{std::random_device{}()};
    // What writers killed before could not remove goes first.
    RemoveStaleTemporariesOnce(FolderPart(path));
    LiveTemporaries& live = Live();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned n = counter.fetch_add(0x9E3779B9u);
        TemporaryFile file;
        file.name = TemporaryName(path, ThisMachineTag(), static_cast<long>(getpid()), n);
        const std::lock_guard<std::mutex> lock(live.mutex);
        if (live.closed) {
            errno = EINTR;
            return std::nullopt;
        }
        file.fd = ::open(file.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file.fd >= 0) {
            live.names.insert(file.name);
            return file;
        }
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

std::string ResolveSymlinks(const std::string& path) {
    std::string current = path;
    // A loop of links ends in ELOOP when written; 40 is the kernel's limit too.
    for (int depth = 0; depth < 40; ++depth) {
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size()) return current;
        target.resize(static_cast<std::size_t>(n));
        if (target.front() != '/') {
            const std::size_t slash = current.rfind('/');
            if (slash != std::string::npos) target = current.substr(0, slash + 1) + target;
        }
        current = target;
    }
    return current;
}

void ForgetTemporary(const TemporaryFile& file) {
    LiveTemporaries& live = Live();
    const std::lock_guard<std::mutex> lock(live.mutex);
    live.names.erase(file.name);
}

int RemoveLiveTemporaryFiles() {
    LiveTemporaries& live = Live();
    const std::lock_guard<std::mutex> lock(live.mutex);
    live.closed = true;
    int removed = 0;
    for (const std::string& name : live.names)
        if (::unlink(name.c_str()) == 0) ++removed;
    live.names.clear();
    return removed;
}

bool WriteFileAtomically(const std::string& linkPath, std::string_view bytes, std::string* failure) {
    // A link is written through: its target gets the new bytes, the link stays.
    const std::string path = ResolveSymlinks(linkPath);
    const std::optional<TemporaryFile> temp = CreateTemporaryBeside(path);
    if (!temp) {
        if (failure) *failure = std::strerror(errno);
        return false;
    }
    int error = 0;
    // The replaced file keeps its permissions.
    if (struct stat old{}; ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
                           ::fchmod(temp->fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0) error = WriteAll(temp->fd, bytes, ::write);
    if (::close(temp->fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temp->name.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) std::remove(temp->name.c_str());
    ForgetTemporary(*temp);
    if (error != 0 && failure) *failure = std::strerror(error);
    return error == 0;
}

}  // namespace tremblo
