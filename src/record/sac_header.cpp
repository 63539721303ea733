#include "record/sac_header.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "common/format.h"

namespace tremblo {

namespace {

constexpr std::size_t kIntOffset = SAC_FLOATS * 4;
constexpr std::size_t kStringOffset = (SAC_FLOATS + SAC_INTS) * 4;

std::size_t SlotWidth(int slot) { return slot == kKevnm ? 16 : 8; }
// The byte offset of a string slot (the event name fills two places).
std::size_t SlotOffset(int slot) { return kStringOffset + static_cast<std::size_t>(slot <= 1 ? slot : slot + 1) * 8; }
constexpr int kNamedSlots = SAC_STRING_SLOTS;

std::uint32_t WordAt(std::string_view bytes, std::size_t offset, SacByteOrder order) {
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t b = static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
        w |= order == SacByteOrder::Little ? b << (8 * i) : b << (8 * (3 - i));
    }
    return w;
}

void AppendWord(std::string& out, std::uint32_t w, SacByteOrder order) {
    for (int i = 0; i < 4; ++i) {
        const int shift = order == SacByteOrder::Little ? 8 * i : 8 * (3 - i);
        out.push_back(static_cast<char>((w >> shift) & 0xFFu));
    }
}

std::string Padded(std::string_view text, std::size_t width) {
    std::string s(text.substr(0, width));
    s.resize(width, ' ');
    return s;
}

std::optional<double> NumberIn(std::string_view field) {
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
    if (field.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return value;
}

}  // namespace

SacHeader::SacHeader() {
    floats.fill(SAC_UNDEFINED_FLOAT);
    ints.fill(SAC_UNDEFINED_INT);
    for (int s = 0; s < SAC_STRING_SLOTS; ++s) strings[static_cast<std::size_t>(s)] = Padded("-12345", SlotWidth(s));
    ints[kNvhdr] = SAC_VERSION;
}

std::optional<double> SacHeader::Float(SacFloat word) const {
    const float v = floats[static_cast<std::size_t>(word)];
    if (v == SAC_UNDEFINED_FLOAT || !std::isfinite(v)) return std::nullopt;
    return static_cast<double>(v);
}

std::optional<int> SacHeader::Int(SacInt word) const {
    const std::int32_t v = ints[static_cast<std::size_t>(word)];
    if (v == SAC_UNDEFINED_INT) return std::nullopt;
    return v;
}

std::string SacHeader::Text(SacString slot) const {
    std::string s = strings[static_cast<std::size_t>(slot)];
    while (!s.empty() && (s.back() == ' ' || s.back() == '\0')) s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    if (s == "-12345") return {};
    return s;
}

void SacHeader::SetText(SacString slot, std::string_view text) {
    strings[static_cast<std::size_t>(slot)] = Padded(text, SlotWidth(slot));
}

float SacFloatAt(std::string_view bytes, std::size_t offset, SacByteOrder order) {
    return std::bit_cast<float>(WordAt(bytes, offset, order));
}

void AppendSacFloat(std::string& out, float value, SacByteOrder order) {
    AppendWord(out, std::bit_cast<std::uint32_t>(value), order);
}

std::optional<SacByteOrder> SacBinaryByteOrder(std::string_view bytes) {
    if (bytes.size() < SAC_HEADER_BYTES) return std::nullopt;
    const std::size_t at = kIntOffset + kNvhdr * 4;
    if (WordAt(bytes, at, SacByteOrder::Little) == SAC_VERSION) return SacByteOrder::Little;
    if (WordAt(bytes, at, SacByteOrder::Big) == SAC_VERSION) return SacByteOrder::Big;
    return std::nullopt;
}

SacHeader DecodeSacBinaryHeader(std::string_view bytes, SacByteOrder order) {
    SacHeader h;
    for (std::size_t i = 0; i < SAC_FLOATS; ++i) h.floats[i] = SacFloatAt(bytes, i * 4, order);
    for (std::size_t i = 0; i < SAC_INTS; ++i)
        h.ints[i] = static_cast<std::int32_t>(WordAt(bytes, kIntOffset + i * 4, order));
    for (int slot = 0; slot < kNamedSlots; ++slot) {
        h.strings[static_cast<std::size_t>(slot)] = std::string(bytes.substr(SlotOffset(slot), SlotWidth(slot)));
    }
    return h;
}

std::string EncodeSacBinaryHeader(const SacHeader& h, SacByteOrder order) {
    std::string out;
    out.reserve(SAC_HEADER_BYTES);
    for (const float v : h.floats) AppendSacFloat(out, v, order);
    for (const std::int32_t v : h.ints) AppendWord(out, static_cast<std::uint32_t>(v), order);
    for (int slot = 0; slot < kNamedSlots; ++slot) out += Padded(h.strings[static_cast<std::size_t>(slot)], SlotWidth(slot));
    return out;
}

std::optional<SacHeader> DecodeSacTextHeader(const std::array<std::string, SAC_ALPHA_HEADER_LINES>& lines,
                                             int* badLine) {
    SacHeader h;
    const auto fail = [&](int line) -> std::optional<SacHeader> {
        if (badLine != nullptr) *badLine = line;
        return std::nullopt;
    };
    for (int i = 0; i < SAC_FLOATS; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i / 5)];
        const std::size_t at = static_cast<std::size_t>(i % 5) * 15;
        const std::optional<double> v = at < line.size() ? NumberIn(std::string_view(line).substr(at, 15)) : std::nullopt;
        if (!v) return fail(i / 5);
        h.floats[static_cast<std::size_t>(i)] = static_cast<float>(*v);
    }
    for (int i = 0; i < SAC_INTS; ++i) {
        const int index = 14 + i / 5;
        const std::string& line = lines[static_cast<std::size_t>(index)];
        const std::size_t at = static_cast<std::size_t>(i % 5) * 10;
        const std::optional<double> v = at < line.size() ? NumberIn(std::string_view(line).substr(at, 10)) : std::nullopt;
        if (!v || *v != std::floor(*v) || std::fabs(*v) > 2147483647.0) return fail(index);
        h.ints[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(*v);
    }
    // Strings: three slots of 8 a line, the event name 16 wide.
    int slot = 0;
    for (int index = 22; index < SAC_ALPHA_HEADER_LINES; ++index) {
        std::string line = lines[static_cast<std::size_t>(index)];
        line.resize(24, ' ');
        std::size_t at = 0;
        while (at < 24 && slot < kNamedSlots) {
            const std::size_t width = SlotWidth(slot);
            h.strings[static_cast<std::size_t>(slot)] = line.substr(at, width);
            at += width;
            ++slot;
        }
    }
    return h;
}

}  // namespace tremblo
