#pragma once
// A share of the machine's memory that workers reserve from before a large
// piece of work, so that several of them at once never ask for more than
// the machine has: a worker whose piece does not fit beside the others'
// waits until it does; a piece larger than the whole budget waits to run
// alone. Small pieces pass at once.
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace tremblo {

// The memory the kernel says is available now (MemAvailable), or 0 when it
// cannot be told.
std::uint64_t AvailableMemoryBytes();

class MemoryBudget {
public:
    explicit MemoryBudget(std::uint64_t bytes) : budget_(bytes) {}

    // Held until destroyed.
    class Hold {
    public:
        Hold(MemoryBudget* budget, std::uint64_t bytes) : budget_(budget), bytes_(bytes) {}
        Hold(Hold&& other) noexcept : budget_(other.budget_), bytes_(other.bytes_) { other.budget_ = nullptr; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        Hold& operator=(Hold&&) = delete;
        ~Hold();

    private:
        MemoryBudget* budget_;
        std::uint64_t bytes_;
    };

    // Waits until `bytes` fit beside what is held (or nothing else is held).
    Hold Reserve(std::uint64_t bytes);
    std::uint64_t held() const;

private:
    void Release(std::uint64_t bytes);

    const std::uint64_t budget_;
    mutable std::mutex mutex_;
    std::condition_variable freed_;
    std::uint64_t held_ = 0;
};

}  // namespace tremblo
