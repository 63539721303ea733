#include "common/shift_jis.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tremblo {

bool IsSjisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t SjisPrefixLength(std::string_view text, std::size_t maxBytes) {
    std::size_t i = 0;
    const std::size_t limit = std::min(maxBytes, text.size());
    while (i < limit) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0) break;
        if (IsSjisLeadByte(byte)) {
            if (i + 2 > limit) break;  // the trail byte would not fit
            if (text[i + 1] == '\0') break;
            i += 2;
        } else {
            ++i;
        }
    }
    return i;
}

namespace {

// Runs iconv over the whole input; an unconvertible sequence is skipped
// (one byte at a time) and replaced by `replacement`, or, when `failed` is
// given, ends the conversion with *failed set.
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, bool* failed = nullptr) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
    std::string out;
    out.reserve(input.size() * 3 / 2 + 8);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            if (failed != nullptr) {
                *failed = true;
                break;
            }
            // EILSEQ or EINVAL: skip one byte and go on.
            out.append(replacement);
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) {
    return Convert("UTF-8", "CP932", sjis, "\xEF\xBF\xBD");
}

std::string Utf8ToSjis(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8, "?"); }

bool TryUtf8ToSjis(std::string_view utf8, std::string& sjis) {
    bool failed = false;
    sjis = Convert("CP932", "UTF-8", utf8, "", &failed);
    return !failed;
}

bool IsValidSjis(std::string_view sjis) {
    bool failed = false;
    Convert("UTF-8", "CP932", sjis, "", &failed);
    return !failed;
}

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsContinuation(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

}  // namespace

std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    else return 0;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    if (i + length > text.size() || at(1) < low || at(1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!IsContinuation(at(k))) return 0;
    return length;
}

bool IsSjisTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

std::string TextToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0) {
            out += kReplacement;
            ++i;
        } else if (const std::size_t length = Utf8Length(bytes, i); length > 0) {
            out.append(bytes.substr(i, length));
            i += length;
        } else if (IsSjisLeadByte(byte) && i + 1 < bytes.size() &&
                   IsSjisTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            out += SjisToUtf8(bytes.substr(i, 2));
            i += 2;
        } else {
            // Half-width katakana, or a byte of no character (U+FFFD).
            out += SjisToUtf8(bytes.substr(i, 1));
            ++i;
        }
    }
    return out;
}

}  // namespace tremblo
