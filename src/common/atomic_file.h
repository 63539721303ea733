#pragma once
// Writing a whole file so that a failure leaves nothing half-written under
// its name: the bytes go to a temporary file in the same folder, which then
// replaces the target.
//
// Every temporary file is kept in a list of live ones until it is renamed
// into place or removed, so that a program stopped by a signal can remove
// what it leaves behind (RemoveLiveTemporaryFiles).
#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tremblo {

// A symbolic link is followed: the file it leads to is replaced, keeping
// its permission bits, and the link stays a link. False when the file
// cannot be written; `failure` (when given) then says why in the system's
// words ("No space left on device").
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* failure = nullptr);

// The path a chain of symbolic links leads to (the path itself when it is
// no link); the last target need not exist.
std::string ResolveSymlinks(const std::string& path);

// A new, empty file beside `path` under a unique temporary name
// (temporary_names.h), open for writing; the stale temporary files of its
// folder are removed first, once in the life of the program. It is created with mode 0666 less the umask, as any new file:
// the process-wide umask is never changed, so files other threads create
// meanwhile keep their permissions. Nothing when no such file can be made
// (errno says why).
struct TemporaryFile {
    int fd = -1;
    std::string name;
};
std::optional<TemporaryFile> CreateTemporaryBeside(const std::string& path);

// The temporary file is gone (renamed into place or removed): it leaves the
// list of live ones.
void ForgetTemporary(const TemporaryFile& file);

// Removes every live temporary file, for a program about to end on a
// signal; no temporary file can be created afterwards. Returns how many were
// removed.
int RemoveLiveTemporaryFiles();

// Writes all of `bytes` to `fd` through `write` (retrying short writes and
// interruptions); 0, or the errno of the failure (ENOSPC when a write takes
// nothing).
using WriteFunction = ssize_t (*)(int fd, const void* bytes, std::size_t size);
int WriteAll(int fd, std::string_view bytes, WriteFunction write);

}  // namespace tremblo
