#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>

#include "common/format.h"

namespace tremblo {

std::optional<TemporaryFile> CreateTemporaryBeside(const std::string& path) {
    static std::atomic<unsigned> counter{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned n = counter.fetch_add(0x9E3779B9u);
        TemporaryFile file;
        file.name = path + StringPrintf(".%d.%08x.tmp", static_cast<int>(getpid()), n);
        file.fd = ::open(file.name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file.fd >= 0) return file;
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

bool WriteFileAtomically(const std::string& linkPath, std::string_view bytes) {
    // A link is written through: its target gets the new bytes, the link stays.
    const std::string path = ResolveSymlinks(linkPath);
    const std::optional<TemporaryFile> temp = CreateTemporaryBeside(path);
    if (!temp) return false;
    bool ok = true;
    // The replaced file keeps its permissions.
    if (struct stat old{}; ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ok = ::fchmod(temp->fd, old.st_mode & 07777) == 0;
    std::size_t written = 0;
    while (ok && written < bytes.size()) {
        const ssize_t n = ::write(temp->fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) ok = false;
        else written += static_cast<std::size_t>(n);
    }
    ok = (::close(temp->fd) == 0) && ok;
    ok = ok && std::rename(temp->name.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp->name.c_str());
    return ok;
}

}  // namespace tremblo
