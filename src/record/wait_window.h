#pragma once
// The wait window of a load, closed however the load ends.
#include <string>

#include "common/platform.h"

namespace tremblo {

class WaitWindow {
public:
    WaitWindow(Platform& platform, const std::string& text) : platform_(platform) { platform_.ShowWait(text); }
    ~WaitWindow() { platform_.CloseWait(); }
    WaitWindow(const WaitWindow&) = delete;
    WaitWindow& operator=(const WaitWindow&) = delete;

private:
    Platform& platform_;
};

}  // namespace tremblo
