#pragma once
// SAC files written word by word from the published header table (word
// numbers below), in either byte order or the alphanumeric form, so that
// the reader is checked against the table, not against its own writer.
#include <cstdint>
#include <string>
#include <vector>

namespace tremblo::testing {

inline constexpr float kSacUndef = -12345.0f;
inline constexpr std::int32_t kSacUndefInt = -12345;

struct SacFixture {
    float delta = 0.01f;                                  // word 0
    float b = 0.0f, e = kSacUndef, o = kSacUndef;         // words 5, 6, 7
    float stla = kSacUndef, stlo = kSacUndef, stel = kSacUndef;  // 31, 32, 33
    float evla = kSacUndef, evlo = kSacUndef, evdp = kSacUndef, mag = kSacUndef;  // 35, 36, 38, 39
    float cmpaz = kSacUndef, cmpinc = kSacUndef;          // 57, 58
    std::int32_t nzyear = kSacUndefInt, nzjday = kSacUndefInt, nzhour = kSacUndefInt, nzmin = kSacUndefInt,
                 nzsec = kSacUndefInt, nzmsec = kSacUndefInt;  // 70..75
    std::int32_t nvhdr = 6;                               // 76
    std::int32_t npts = -1;                               // 79; -1: the number of values
    std::int32_t iftype = 1;                              // 85 (ITIME)
    std::int32_t idep = 8;                                // 86 (IACC)
    std::int32_t leven = 1;                               // 105
    std::string kstnm = "-12345", kevnm = "-12345", kcmpnm = "-12345", knetwk = "-12345";  // 110, 112, 150, 152
    std::string kuser0 = "-12345";                        // 144
    std::vector<float> values;
};

enum class SacForm { Little, Big, Alphanumeric };

std::string SacBytes(const SacFixture& f, SacForm form);

}  // namespace tremblo::testing
