#pragma once
// A stand-in for the application's translations in core tests: while it
// lives, TrText gives "{context}text" and TrPicture "{picture:context}text",
// so a test sees which texts went through which translation, and that a
// translated format still takes its values.
#include <string>

#include "common/translation.h"

namespace tremblo::testing {

class MarkedTexts {
public:
    MarkedTexts() { InstallTextTranslation(&Message, &Picture); }
    ~MarkedTexts() { InstallTextTranslation(nullptr, nullptr); }
    MarkedTexts(const MarkedTexts&) = delete;
    MarkedTexts& operator=(const MarkedTexts&) = delete;

    static std::string Message(const char* context, const char* text) {
        return "{" + std::string(context) + "}" + text;
    }
    static std::string Picture(const char* context, const char* text) {
        return "{picture:" + std::string(context) + "}" + text;
    }
};

}  // namespace tremblo::testing
