#include "record/agency_text_units.h"

#include <string>

namespace tremblo {

namespace {

// Lower-cased, blanks dropped, "sec" as "s", every way of squaring the
// second as "/s2".
std::string CanonicalUnit(std::string_view unit) {
    std::string text;
    for (const char c : unit) {
        if (c == ' ' || c == '\t') continue;
        text.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    const auto replaceAll = [&text](std::string_view from, std::string_view to) {
        for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    };
    replaceAll("sec", "s");
    replaceAll("/s/s", "/s2");
    replaceAll("**2", "2");
    replaceAll("^2", "2");
    replaceAll("²", "2");
    return text;
}

}  // namespace

std::optional<double> GalPerUnit(std::string_view unit) {
    const std::string text = CanonicalUnit(unit);
    if (text == "g" || text == "g's" || text == "gs") return GAL_PER_G;
    if (text == "m/s2") return 100.0;
    if (text == "cm/s2" || text == "gal") return 1.0;
    if (text == "mm/s2") return 0.1;
    return std::nullopt;
}

}  // namespace tremblo
