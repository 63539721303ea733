#pragma once
// The desktop as the program has it, but messages go to the terminal: a
// modal box on the offscreen platform would wait for ever.
#include <cstdio>
#include <string>

#include "app/qt_platform.h"

namespace tremblo {

class BenchPlatform : public QtPlatform {
public:
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageStyle) override {
        std::fprintf(stderr, "message: %s: %s\n", caption.c_str(), text.c_str());
        return MessageAnswer::Ok;
    }
};

}  // namespace tremblo
