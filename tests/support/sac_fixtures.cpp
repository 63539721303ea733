#include "support/sac_fixtures.h"

#include <array>
#include <bit>
#include <cstdio>

namespace tremblo::testing {

namespace {

struct Words {
    std::array<std::uint32_t, 110> numbers{};  // words 0..109
    std::string text = std::string(192, ' ');  // words 110..157

    void Float(int word, float v) { numbers[static_cast<std::size_t>(word)] = std::bit_cast<std::uint32_t>(v); }
    void Int(int word, std::int32_t v) { numbers[static_cast<std::size_t>(word)] = static_cast<std::uint32_t>(v); }
    void Text(int word, const std::string& s, std::size_t width) {
        std::string padded = s.substr(0, width);
        padded.resize(width, ' ');
        text.replace(static_cast<std::size_t>(word - 110) * 4, width, padded);
    }
};

Words WordsOf(const SacFixture& f) {
    Words w;
    for (int i = 0; i < 70; ++i) w.Float(i, kSacUndef);
    for (int i = 70; i < 110; ++i) w.Int(i, kSacUndefInt);
    for (int word = 110; word < 158; word += 2) w.Text(word, "-12345", 8);
    w.Float(0, f.delta);
    w.Float(5, f.b);
    w.Float(6, f.e);
    w.Float(7, f.o);
    w.Float(31, f.stla);
    w.Float(32, f.stlo);
    w.Float(33, f.stel);
    w.Float(35, f.evla);
    w.Float(36, f.evlo);
    w.Float(38, f.evdp);
    w.Float(39, f.mag);
    w.Float(57, f.cmpaz);
    w.Float(58, f.cmpinc);
    w.Int(70, f.nzyear);
    w.Int(71, f.nzjday);
    w.Int(72, f.nzhour);
    w.Int(73, f.nzmin);
    w.Int(74, f.nzsec);
    w.Int(75, f.nzmsec);
    w.Int(76, f.nvhdr);
    w.Int(79, f.npts >= 0 ? f.npts : static_cast<std::int32_t>(f.values.size()));
    w.Int(85, f.iftype);
    w.Int(86, f.idep);
    w.Int(105, f.leven);
    w.Text(110, f.kstnm, 8);
    w.Text(112, f.kevnm, 16);
    w.Text(144, f.kuser0, 8);
    w.Text(150, f.kcmpnm, 8);
    w.Text(152, f.knetwk, 8);
    return w;
}

void Append(std::string& out, std::uint32_t word, bool big) {
    for (int i = 0; i < 4; ++i) {
        const int shift = big ? 8 * (3 - i) : 8 * i;
        out.push_back(static_cast<char>((word >> shift) & 0xFF));
    }
}

}  // namespace

std::string SacBytes(const SacFixture& f, SacForm form) {
    const Words w = WordsOf(f);
    std::string out;
    char field[40];
    if (form == SacForm::Alphanumeric) {
        for (int i = 0; i < 70; ++i) {
            std::snprintf(field, sizeof field, "%15.7f", static_cast<double>(std::bit_cast<float>(w.numbers[static_cast<std::size_t>(i)])));
            out += field;
            if (i % 5 == 4) out += '\n';
        }
        for (int i = 70; i < 110; ++i) {
            std::snprintf(field, sizeof field, "%10d", static_cast<std::int32_t>(w.numbers[static_cast<std::size_t>(i)]));
            out += field;
            if (i % 5 == 4) out += '\n';
        }
        for (std::size_t at = 0; at < w.text.size(); at += 24) out += w.text.substr(at, 24) + "\n";
        for (std::size_t i = 0; i < f.values.size(); ++i) {
            std::snprintf(field, sizeof field, "%15.7g", static_cast<double>(f.values[i]));
            out += field;
            if (i % 5 == 4 || i + 1 == f.values.size()) out += '\n';
        }
        return out;
    }
    const bool big = form == SacForm::Big;
    for (const std::uint32_t word : w.numbers) Append(out, word, big);
    out += w.text;
    for (const float v : f.values) Append(out, std::bit_cast<std::uint32_t>(v), big);
    return out;
}

}  // namespace tremblo::testing
