#pragma once
// An exclusive lock between programs (and threads) that update the same
// file: flock() on a lock file, made when missing and removed by its last
// holder, so that no lock file stays behind. A holder that dies loses the
// lock with its descriptor.
#include <functional>
#include <optional>
#include <string>

namespace tremblo {

class FileLock {
public:
    // Waits until `path` is locked by this holder alone. `waiting` is
    // called once when another holds it. Nothing when the lock file cannot
    // be made or locked; `why` then says why in the system's words.
    static std::optional<FileLock> Acquire(const std::string& path, std::string& why,
                                           const std::function<void()>& waiting = {});

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&&) = delete;
    FileLock(const FileLock&) = delete;
    ~FileLock();

private:
    FileLock(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    std::string path_;
    int fd_ = -1;
};

}  // namespace tremblo
