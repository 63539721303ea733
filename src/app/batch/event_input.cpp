#include "app/batch/event_input.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/batch/file_list.h"
#include "common/path_text.h"
#include "record/archive_reader.h"
#include "record/gzip_bytes.h"

namespace tremblo {

namespace fs = std::filesystem;

bool IsRecordFileName(std::string_view path) {
    std::string name(path.substr(path.find_last_of("/:") == std::string_view::npos ? 0 : path.find_last_of("/:") + 1));
    if (HasGzipExtension(name)) name = WithoutGzipExtension(name);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return false;
    const std::string_view extension = std::string_view(name).substr(dot + 1);
    static constexpr std::array<std::string_view, 9> kExtensions{"ns", "ew", "ud", "ns1", "ew1", "ud1",
                                                                 "ns2", "ew2", "ud2"};
    return std::any_of(kExtensions.begin(), kExtensions.end(),
                       [&](std::string_view e) { return EqualIgnoringAsciiCase(extension, e); });
}

namespace {

EventInput FolderInput(const std::string& folder) {
    EventInput input;
    std::error_code ec;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    if (ec) {
        input.error = "フォルダ " + folder + " を読めません (" + ec.message() + ")";
        return input;
    }
    for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            input.error = "フォルダ " + folder + " を最後まで読めません (" + ec.message() + ")";
            break;
        }
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string path = it->path().string();
        if (IsRecordFileName(path) || IsArchiveName(path))
            input.files.push_back(path);
        else
            ++input.skipped;
    }
    std::sort(input.files.begin(), input.files.end());
    if (input.files.empty() && input.error.empty())
        input.error = "フォルダ " + folder + " に地震記録ファイルがありません";
    return input;
}

EventInput ListInput(const std::string& list) {
    EventInput input;
    std::ifstream in(list, std::ios::binary);
    if (!in) {
        input.error = "ファイル " + list + " を開けません";
        return input;
    }
    input.files = ReadFileList(in);
    if (in.bad()) {
        input.error = "ファイル " + list + " を最後まで読めません";
        input.files.clear();
        return input;
    }
    // A relative name is looked for beside the list first (a list written in
    // the delivery's folder), then in the working folder as --files-from does.
    const fs::path base = fs::path(list).parent_path();
    for (std::string& file : input.files) {
        std::error_code ec;
        if (fs::path(file).is_relative() && fs::exists(base / file, ec)) file = (base / file).string();
    }
    if (input.files.empty()) input.error = "ファイル " + list + " に地震記録ファイルの名前がありません";
    return input;
}

}  // namespace

EventInput EventInputOf(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return EventInput{{}, 0, "ファイル " + path + " がありません"};
    if (fs::is_directory(status)) return FolderInput(path);
    if (IsArchiveName(path) || IsRecordFileName(path)) return EventInput{{path}, 0, {}};
    if (!fs::is_regular_file(status)) return EventInput{{}, 0, "ファイル " + path + " は読めるファイルではありません"};
    return ListInput(path);
}

}  // namespace tremblo
