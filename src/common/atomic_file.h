#pragma once
// Writing a whole file so that a failure leaves nothing half-written under
// its name: the bytes go to a temporary file in the same folder, which then
// replaces the target.
#include <optional>
#include <string>
#include <string_view>

namespace tremblo {

// A symbolic link is followed: the file it leads to is replaced, keeping
// its permission bits, and the link stays a link.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The path a chain of symbolic links leads to (the path itself when it is
// no link); the last target need not exist.
std::string ResolveSymlinks(const std::string& path);

// A new, empty file beside `path` under a unique temporary name, open for
// writing. It is created with mode 0666 less the umask, as any new file:
// the process-wide umask is never changed, so files other threads create
// meanwhile keep their permissions. Nothing when no such file can be made.
struct TemporaryFile {
    int fd = -1;
    std::string name;
};
std::optional<TemporaryFile> CreateTemporaryBeside(const std::string& path);

}  // namespace tremblo
