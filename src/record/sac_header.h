#pragma once
// The SAC header (version 6): 70 floats, 40 integers and 24 eight-character
// strings, 158 four-byte words in all (the event name takes two string
// slots). A binary file holds it in its writer's byte order, recognised by
// the version number 6 in word 76; the alphanumeric form writes the floats
// five to a line (15 columns each), the integers five to a line (10
// columns) and the strings three to a line (8 columns each, the event name
// 16 after the station on the first of those lines). -12345 marks a value
// as undefined, "-12345" a string.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tremblo {

inline constexpr int SAC_FLOATS = 70;
inline constexpr int SAC_INTS = 40;
inline constexpr int SAC_STRING_SLOTS = 23;  // 24 eight-character places
inline constexpr int SAC_HEADER_WORDS = 158;
inline constexpr std::size_t SAC_HEADER_BYTES = SAC_HEADER_WORDS * 4;
inline constexpr int SAC_VERSION = 6;
inline constexpr float SAC_UNDEFINED_FLOAT = -12345.0f;
inline constexpr std::int32_t SAC_UNDEFINED_INT = -12345;
inline constexpr int SAC_ALPHA_HEADER_LINES = 30;

// Float words.
enum SacFloat : int {
    kDelta = 0, kDepMin = 1, kDepMax = 2, kScale = 3, kB = 5, kE = 6, kO = 7,
    kStla = 31, kStlo = 32, kStel = 33, kEvla = 35, kEvlo = 36, kEvdp = 38, kMag = 39,
    kDepMen = 56, kCmpAz = 57, kCmpInc = 58
};
// Integer words, counted from the first integer (word 70).
enum SacInt : int {
    kNzYear = 0, kNzJday = 1, kNzHour = 2, kNzMin = 3, kNzSec = 4, kNzMsec = 5, kNvhdr = 6,
    kNpts = 9, kIfType = 15, kIdep = 16, kIzType = 17, kLeven = 35
};
// String slots, one a name (eight characters each, the event name 16).
enum SacString : int { kKstnm = 0, kKevnm = 1, kKhole = 2, kKuser0 = 16, kKcmpnm = 19, kKnetwk = 20, kKinst = 22 };

// Enumerated values of IFTYPE, IDEP and IZTYPE.
inline constexpr std::int32_t SAC_ITIME = 1;
inline constexpr std::int32_t SAC_IUNKN = 5;
inline constexpr std::int32_t SAC_IDISP = 6;
inline constexpr std::int32_t SAC_IVEL = 7;
inline constexpr std::int32_t SAC_IACC = 8;
inline constexpr std::int32_t SAC_IB = 9;

struct SacHeader {
    std::array<float, SAC_FLOATS> floats;
    std::array<std::int32_t, SAC_INTS> ints;
    std::array<std::string, SAC_STRING_SLOTS> strings;  // blank-padded to their width
    SacHeader();  // every value undefined, NVHDR 6

    // The value, or nothing when undefined (or not finite).
    std::optional<double> Float(SacFloat word) const;
    std::optional<int> Int(SacInt word) const;
    // The string without trailing blanks and NULs; empty when undefined.
    std::string Text(SacString slot) const;
    void SetText(SacString slot, std::string_view text);  // cut to its width
};

enum class SacByteOrder { Little, Big };

// The byte order of a binary header (its first SAC_HEADER_BYTES bytes),
// told by NVHDR = 6; nothing when `bytes` is shorter or neither order gives 6.
std::optional<SacByteOrder> SacBinaryByteOrder(std::string_view bytes);
// Requires SacBinaryByteOrder(bytes) to hold `order`.
SacHeader DecodeSacBinaryHeader(std::string_view bytes, SacByteOrder order);
std::string EncodeSacBinaryHeader(const SacHeader& header, SacByteOrder order);

// A 32-bit word of `bytes` at `offset` in `order`.
float SacFloatAt(std::string_view bytes, std::size_t offset, SacByteOrder order);
void AppendSacFloat(std::string& out, float value, SacByteOrder order);

// The alphanumeric header from its 30 lines (line ends removed); nothing,
// with `badLine` set to the 0-based index of the first line that does not
// hold its header values, when one does not.
std::optional<SacHeader> DecodeSacTextHeader(const std::array<std::string, SAC_ALPHA_HEADER_LINES>& lines,
                                             int* badLine = nullptr);

}  // namespace tremblo
