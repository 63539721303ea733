#include "common/path_text.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tremblo {

namespace fs = std::filesystem;

std::string_view FileNamePart(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) return "";
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::optional<std::size_t> FirstPeriodOfFileName(std::string_view path) {
    const std::size_t nameStart = path.size() - FileNamePart(path).size();
    const auto period = path.find('.', nameStart);
    if (period == std::string_view::npos) return std::nullopt;
    return period;
}

namespace {
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}
}  // namespace

std::optional<std::string> FindFileIgnoringCase(const std::string& path) {
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) return path;
    const std::string folder = FolderPart(path);
    const std::string_view name = FileNamePart(path);
    const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
    // Several names may match (X.Ns and X.NS); take the first in byte order
    // so that the choice does not depend on the directory's listing order.
    std::optional<std::string> found;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (!EqualIgnoringAsciiCase(candidate, name)) continue;
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) continue;
        if (!found || candidate < *found) found = std::move(candidate);
    }
    if (!found) return std::nullopt;
    if (folder.empty()) return found;
    return (folder == "/" ? "/" : folder + "/") + *found;
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::string_view name = FileNamePart(path);
    const auto period = name.rfind('.');
    if (period != std::string_view::npos && period + 1 < name.size()) return path;
    if (period != std::string_view::npos) return path + extension;  // "name." gets the extension
    return path + "." + extension;
}

}  // namespace tremblo
