#pragma once
// Shift-JIS (code page 932) helpers. Texts of the record files, the station
// directory and the tables are kept as Shift-JIS bytes; they are converted to
// UTF-8 only where they meet the screen or a file name.
#include <cstddef>
#include <string>
#include <string_view>

namespace tremblo {

// True for a byte that starts a double-byte Shift-JIS character, and for
// one that can end it.
bool IsSjisLeadByte(unsigned char byte);
bool IsSjisTrailByte(unsigned char byte);

// Length of the well-formed UTF-8 character at text[i] (no overlong forms,
// no surrogates, nothing past U+10FFFF); 0 when there is none.
std::size_t Utf8Length(std::string_view text, std::size_t i);

// The longest prefix of text, at most maxBytes long, that does not end in
// the first half of a double-byte character (and stops at a NUL byte).
std::size_t SjisPrefixLength(std::string_view text, std::size_t maxBytes);

// Conversions; bytes that cannot be converted become U+FFFD / "?".
std::string SjisToUtf8(std::string_view sjis);
std::string Utf8ToSjis(std::string_view utf8);

// Without replacements: false when utf8 is not UTF-8 or holds a character
// Shift-JIS lacks (sjis is then of no use).
bool TryUtf8ToSjis(std::string_view utf8, std::string& sjis);
// True when every byte sequence of sjis is Shift-JIS (code page 932).
bool IsValidSjis(std::string_view sjis);
// Text of unknown encoding (a file name, a message naming one) as UTF-8:
// what is UTF-8 is kept, other bytes are read as Shift-JIS, and what is
// neither, and every NUL byte, becomes U+FFFD.
std::string TextToUtf8(std::string_view bytes);

}  // namespace tremblo
