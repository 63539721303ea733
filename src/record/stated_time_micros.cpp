#include "record/stated_time_micros.h"

#include <chrono>
#include <cmath>

namespace tremblo {

StatedTime StatedTimeOfMicros(std::int64_t micros) {
    using namespace std::chrono;
    const std::int64_t perDay = 86'400'000'000LL;
    std::int64_t days = micros / perDay, rest = micros % perDay;
    if (rest < 0) {
        rest += perDay;
        --days;
    }
    const year_month_day ymd{sys_days{std::chrono::days{days}}};
    StatedTime t;
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.hour = static_cast<int>(rest / 3'600'000'000LL);
    t.minute = static_cast<int>(rest / 60'000'000LL % 60);
    t.second = static_cast<double>(rest % 60'000'000LL) / 1.0e6;
    return t;
}

std::optional<std::int64_t> MicrosOfStatedTime(const StatedTime& t) {
    using namespace std::chrono;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || !std::isfinite(t.second)) return std::nullopt;
    const year_month_day ymd{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}};
    if (!ymd.ok()) return std::nullopt;
    const std::int64_t days = sys_days{ymd}.time_since_epoch().count();
    return ((days * 24 + t.hour) * 60 + t.minute) * 60'000'000LL + std::llround(t.second * 1.0e6);
}

}  // namespace tremblo
