#include "record/component_names.h"

#include <algorithm>

#include "common/path_text.h"
#include "input/gzip_bytes.h"

namespace tremblo {

namespace {

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

bool HasShortExtension(std::string_view path) {
    const auto period = FirstPeriodOfFileName(path);
    return period && path.size() - *period - 1 <= 3;
}

KnetComponentNames DeriveKnetComponentNames(std::string_view path, bool threeComponents) {
    const std::size_t period = FirstPeriodOfFileName(path).value_or(path.size());
    const std::string ext = period < path.size() ? UpperAscii(path.substr(period + 1)) : "";
    KnetComponentNames names;
    if (!threeComponents) {
        names.paths[0] = std::string(path);
        names.labels[0] = ext;
        return names;
    }
    const std::string suffix = ext.size() > 2 ? ext.substr(2) : "";
    const std::string base(path.substr(0, period));
    const char* lower[3] = {"ns", "ew", "ud"};
    const char* upper[3] = {"NS", "EW", "UD"};
    for (int c = 0; c < 3; ++c) {
        names.paths[c] = base + "." + lower[c] + suffix;
        names.labels[c] = upper[c] + suffix;
    }
    return names;
}

std::string ComponentLabelOfPath(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    const auto period = FirstPeriodOfFileName(name);
    return period ? UpperAscii(name.substr(*period + 1)) : std::string();
}

std::optional<std::array<std::string, 3>> DerivePairNames(std::string_view path) {
    const auto period = FirstPeriodOfFileName(path);
    if (!period) return std::nullopt;
    const std::string base(path.substr(0, *period + 1));
    return std::array<std::string, 3>{base + "ns", base + "ew", base + "ud"};
}

bool IsComponentFileName(std::string_view path) {
    const std::string name = WithoutGzipExtension(FileNamePart(path));
    const auto period = FirstPeriodOfFileName(name);
    if (!period) return false;
    const std::string ext = UpperAscii(std::string_view(name).substr(*period + 1));
    if (ext.size() != 2 && ext.size() != 3) return false;
    if (ext.size() == 3 && ext[2] != '1' && ext[2] != '2') return false;
    const std::string_view axis = std::string_view(ext).substr(0, 2);
    return axis == "NS" || axis == "EW" || axis == "UD";
}

std::string FileNameWithoutExtension(std::string_view path) {
    const std::string_view name = FileNamePart(path);
    return std::string(name.substr(0, name.find('.')));
}

std::string PathWithoutExtension(std::string_view path) {
    return std::string(path.substr(0, FirstPeriodOfFileName(path).value_or(path.size())));
}

std::string KnetStationCodeOfName(std::string_view path) {
    if (!IsComponentFileName(path)) return {};
    const std::string stem = FileNameWithoutExtension(path);
    constexpr std::size_t kCode = 6, kTime = 10;
    if (stem.size() != kCode + kTime) return {};
    const auto isAlnum = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (!std::all_of(stem.begin(), stem.begin() + kCode, isAlnum) || !std::all_of(stem.begin() + kCode, stem.end(), isDigit))
        return {};
    return stem.substr(0, kCode);
}

}  // namespace tremblo
