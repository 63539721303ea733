#pragma once
// Fixed-width, zero-terminated Shift-JIS text field. The width counts the
// terminator, as in the record and station tables; texts are cut to fit and
// never in the middle of a double-byte character.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/shift_jis.h"

namespace tremblo {

template <std::size_t Width>
class FixedText {
    static_assert(Width >= 1);

public:
    FixedText() { bytes_.fill('\0'); }
    FixedText(std::string_view text) { assign(text); }  // NOLINT: implicit on purpose
    FixedText(const char* text) { assign(text); }       // NOLINT: implicit on purpose

    FixedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    FixedText& operator=(const char* text) {
        assign(text);
        return *this;
    }

    void assign(std::string_view text) {
        bytes_.fill('\0');
        const std::size_t n = SjisPrefixLength(text, Width - 1);
        text.copy(bytes_.data(), n);
    }
    void clear() { bytes_.fill('\0'); }

    std::string_view view() const { return std::string_view(bytes_.data()); }
    std::string str() const { return std::string(view()); }
    const char* c_str() const { return bytes_.data(); }
    bool empty() const { return bytes_[0] == '\0'; }
    static constexpr std::size_t capacity() { return Width - 1; }

    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

private:
    std::array<char, Width> bytes_;
};

}  // namespace tremblo
