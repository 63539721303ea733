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

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

namespace {


std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return (folder == "/" ? "/" : folder + "/") + name;
}

}  // namespace

std::vector<std::string> ListRegularFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileError;
        if (it->is_regular_file(fileError)) names.push_back(it->path().filename().string());
    }
    return names;
}

const std::vector<std::string>& FolderListings::Names(const std::string& folder) {
    {
        const std::lock_guard lock(mutex_);
        const auto it = names_.find(folder);
        if (it != names_.end()) return it->second;
    }
    std::vector<std::string> listed = ListRegularFiles(folder);
    const std::lock_guard lock(mutex_);
    return names_.emplace(folder, std::move(listed)).first->second;  // a second lister's copy is dropped
}

std::vector<std::string> CaseVariantsOf(const std::string& path) {
    const std::string folder = FolderPart(path);
    const std::string name(FileNamePart(path));
    const std::size_t period = name.find('.');
    const std::string stem = period == std::string::npos ? name : name.substr(0, period);
    const std::string extension = period == std::string::npos ? std::string() : name.substr(period);
    std::vector<std::string> variants;
    for (const std::string& variant : {stem + Upper(extension), stem + Lower(extension), Upper(name), Lower(name)})
        if (variant != name) variants.push_back(Join(folder, variant));
    return variants;
}

std::optional<std::string> FindFileIgnoringCase(const std::string& path, FolderListings* listings) {
    std::error_code ec;
    if (fs::is_regular_file(path, ec)) return path;
    for (const std::string& candidate : CaseVariantsOf(path))
        if (fs::is_regular_file(candidate, ec)) return candidate;
    const std::string folder = FolderPart(path);
    const std::string name(FileNamePart(path));
    // Several names may match (X.Ns and X.nS); take the first in byte order
    // so that the choice does not depend on the directory's listing order.
    const std::vector<std::string> own = listings ? std::vector<std::string>() : ListRegularFiles(folder);
    const std::vector<std::string>& names = listings ? listings->Names(folder) : own;
    const std::string* found = nullptr;
    for (const std::string& candidate : names)
        if (EqualIgnoringAsciiCase(candidate, name) && (!found || candidate < *found)) found = &candidate;
    if (found == nullptr) return std::nullopt;
    return Join(folder, *found);
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const std::string_view name = FileNamePart(path);
    const auto period = name.rfind('.');
    if (period != std::string_view::npos && period + 1 < name.size()) return path;
    if (period != std::string_view::npos) return path + extension;  // "name." gets the extension
    return path + "." + extension;
}

}  // namespace tremblo
