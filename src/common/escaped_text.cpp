#include "common/escaped_text.h"

#include <cstdio>

#include "common/shift_jis.h"

namespace tremblo {

namespace {

enum class Piece { Utf8, ShiftJis, Escaped };

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD, what iconv could not convert

// The piece of text at bytes[i]: its kind and length in bytes.
Piece PieceAt(std::string_view bytes, std::size_t i, std::size_t& length) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    length = 1;
    if (byte < 0x20 || byte == 0x7F || byte == '\\') return Piece::Escaped;
    if (const std::size_t n = Utf8Length(bytes, i); n > 0) {
        length = n;
        // C1 controls: U+0080-U+009F.
        const bool c1 = byte == 0xC2 && static_cast<unsigned char>(bytes[i + 1]) <= 0x9F;
        return c1 ? Piece::Escaped : Piece::Utf8;
    }
    // A pair of the right bytes that code page 932 leaves undefined is no
    // character either.
    if (IsSjisLeadByte(byte) && i + 1 < bytes.size() && IsSjisTrailByte(static_cast<unsigned char>(bytes[i + 1])) &&
        SjisToUtf8(bytes.substr(i, 2)).find(kReplacement) == std::string::npos) {
        length = 2;
        return Piece::ShiftJis;
    }
    if (byte >= 0xA1 && byte <= 0xDF) return Piece::ShiftJis;  // half-width katakana
    return Piece::Escaped;
}

void AppendEscaped(std::string& out, std::string_view piece) {
    for (const char c : piece) {
        if (c == '\\') {
            out += "\\\\";
            continue;
        }
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
        out += hex;
    }
}

template <typename ShiftJisPiece>
std::string Escape(std::string_view bytes, ShiftJisPiece shiftJis) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0, length = 0; i < bytes.size(); i += length) {
        const Piece piece = PieceAt(bytes, i, length);
        const std::string_view text = bytes.substr(i, length);
        if (piece == Piece::Escaped)
            AppendEscaped(out, text);
        else if (piece == Piece::ShiftJis)
            shiftJis(out, text);
        else
            out += text;
    }
    return out;
}

}  // namespace

std::string EscapedText(std::string_view bytes) {
    return Escape(bytes, [](std::string& out, std::string_view piece) { out += piece; });
}

std::string EscapedUtf8(std::string_view bytes) {
    return Escape(bytes, [](std::string& out, std::string_view piece) { out += SjisToUtf8(piece); });
}

}  // namespace tremblo
