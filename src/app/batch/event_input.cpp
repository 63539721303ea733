#include "app/batch/event_input.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/batch/file_list.h"
#include "common/path_text.h"
#include "input/archive_reader.h"
#include "record/component_names.h"

namespace tremblo {

namespace fs = std::filesystem;

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
        if (IsComponentFileName(path) || IsArchiveName(path))
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
    FileList listed = ReadFileList(in);
    input.files = std::move(listed.files);
    if (!listed.error.empty()) {
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
    if (IsArchiveName(path) || IsComponentFileName(path)) return EventInput{{path}, 0, {}};
    if (!fs::is_regular_file(status)) return EventInput{{}, 0, "ファイル " + path + " は読めるファイルではありません"};
    return ListInput(path);
}

}  // namespace tremblo
