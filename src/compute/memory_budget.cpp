#include "compute/memory_budget.h"

#include <fstream>
#include <sstream>
#include <string>

namespace tremblo {

std::uint64_t AvailableMemoryBytes() {
    std::ifstream meminfo("/proc/meminfo");
    for (std::string line; std::getline(meminfo, line);) {
        if (!line.starts_with("MemAvailable:")) continue;
        std::istringstream fields(line.substr(13));
        std::uint64_t kib = 0;
        fields >> kib;
        return kib * 1024;
    }
    return 0;
}

MemoryBudget::Hold::~Hold() {
    if (budget_ != nullptr) budget_->Release(bytes_);
}

MemoryBudget::Hold MemoryBudget::Reserve(std::uint64_t bytes) {
    std::unique_lock lock(mutex_);
    freed_.wait(lock, [&] { return held_ == 0 || held_ + bytes <= budget_; });
    held_ += bytes;
    return Hold(this, bytes);
}

std::uint64_t MemoryBudget::held() const {
    const std::lock_guard lock(mutex_);
    return held_;
}

void MemoryBudget::Release(std::uint64_t bytes) {
    {
        const std::lock_guard lock(mutex_);
        held_ -= bytes;
    }
    freed_.notify_all();
}

}  // namespace tremblo
