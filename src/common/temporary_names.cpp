#include "common/temporary_names.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string_view>

#include "common/format.h"

namespace tremblo {

namespace {

constexpr std::string_view kMarker = ".tremblo-";
constexpr std::string_view kEnd = ".tmp";

std::uint32_t Fnv1a(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

bool AllOf(std::string_view text, bool (*accepted)(char)) {
    if (text.empty()) return false;
    for (const char c : text)
        if (!accepted(c)) return false;
    return true;
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// No process `pid` runs (one of another user still answers EPERM).
bool WriterGone(long pid) { return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }

bool IsStale(const std::string& folder, const std::string& name) {
    long pid = 0;
    if (!ParseTemporaryName(name, pid) || !WriterGone(pid)) return false;
    struct stat status {};
    const std::string path = folder + name;
    return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
}

}  // namespace

const std::string& ThisMachineTag() {
    static const std::string tag = [] {
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        char space[64] = {};
        const ssize_t n = ::readlink("/proc/self/ns/pid", space, sizeof space - 1);
        return StringPrintf("%08x", Fnv1a(std::string(host) + '\n' + std::string(space, n > 0 ? static_cast<std::size_t>(n) : 0)));
    }();
    return tag;
}

std::string TemporaryName(const std::string& path, const std::string& tag, long pid, unsigned serial) {
    return path + std::string(kMarker) + tag + StringPrintf("-%ld-%08x", pid, serial) + std::string(kEnd);
}

bool ParseTemporaryName(const std::string& fileName, long& pid) {
    const std::string_view name(fileName);
    const std::size_t marker = name.rfind(kMarker);
    if (marker == std::string_view::npos || !name.ends_with(kEnd)) return false;
    // TAG-PID-SERIAL
    const std::string_view fields = name.substr(marker + kMarker.size(), name.size() - marker - kMarker.size() - kEnd.size());
    const std::size_t first = fields.find('-'), last = fields.rfind('-');
    if (first == std::string_view::npos || first == last) return false;
    const std::string_view tag = fields.substr(0, first), digits = fields.substr(first + 1, last - first - 1),
                           serial = fields.substr(last + 1);
    if (tag != ThisMachineTag() || !AllOf(digits, IsDigit) || digits.size() > 9 || serial.size() != 8 ||
        !AllOf(serial, IsHexDigit))
        return false;
    pid = std::stol(std::string(digits));
    return true;
}

int RemoveStaleTemporaries(const std::string& folder) {
    const std::string prefix = folder.empty() ? std::string() : folder.back() == '/' ? folder : folder + '/';
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (IsStale(prefix, name) && ::unlink((prefix + name).c_str()) == 0) ++removed;
    }
    return removed;
}

void RemoveStaleTemporariesOnce(const std::string& folder) {
    static std::mutex mutex;
    static std::set<std::string> done;
    const std::lock_guard<std::mutex> lock(mutex);
    if (done.insert(folder).second) RemoveStaleTemporaries(folder);
}

}  // namespace tremblo
