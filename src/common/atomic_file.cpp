#include "common/atomic_file.h"

#include <fcntl.h>
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

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    const std::optional<TemporaryFile> temp = CreateTemporaryBeside(path);
    if (!temp) return false;
    bool ok = true;
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
