#include "pipeline/event_input.h"

#include "common/escaped_text.h"
#include "record/agency_reading.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

#include "common/translation.h"
#include "common/format.h"
#include "pipeline/file_list.h"
#include "common/path_text.h"
#include "common/readable_file.h"
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
        input.error = StringPrintf(TrText("batch", "フォルダ %s を読めません (%s)").c_str(), folder.c_str(), ec.message().c_str());
        return input;
    }
    for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            input.error =
                StringPrintf(TrText("batch", "フォルダ %s を最後まで読めません (%s)").c_str(), folder.c_str(), ec.message().c_str());
            break;
        }
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        const std::string path = it->path().string();
        // Agency files are known by their content, whatever their names.
        if (IsComponentFileName(path) || IsArchiveName(path) || DetectAgencyFormatOfFile(path))
            input.files.push_back(path);
        else
            ++input.skipped;
    }
    std::sort(input.files.begin(), input.files.end());
    if (input.files.empty() && input.error.empty())
        input.error = StringPrintf(TrText("batch", "フォルダ %s に地震記録ファイルがありません").c_str(), folder.c_str());
    return input;
}

EventInput ListInput(const std::string& list) {
    EventInput input;
    std::string why;
    const std::unique_ptr<std::istream> in = OpenFileStream(list, why);
    if (!in) {
        input.error = StringPrintf(TrText("batch", "ファイル %s を開けません (%s)").c_str(), list.c_str(), why.c_str());
        return input;
    }
    FileList listed = ReadFileList(*in);
    input.files = std::move(listed.files);
    if (!listed.error.empty()) {
        input.error = StringPrintf(TrText("batch", "ファイル %s を最後まで読めません").c_str(), list.c_str());
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
    if (input.files.empty())
        input.error = StringPrintf(TrText("batch", "ファイル %s に地震記録ファイルの名前がありません").c_str(), list.c_str());
    return input;
}

}  // namespace

EventInput EventInputOf(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return EventInput{{}, 0, StringPrintf(TrText("batch", "ファイル %s がありません").c_str(), path.c_str())};
    if (fs::is_directory(status)) return FolderInput(path);
    // A FIFO or a device, whatever its name: reading it would wait or never end.
    if (!fs::is_regular_file(status))
        return EventInput{{}, 0, StringPrintf(TrText("batch", "ファイル %s は読めるファイルではありません").c_str(), path.c_str())};
    if (IsArchiveName(path) || IsComponentFileName(path) || DetectAgencyFormatOfFile(path))
        return EventInput{{path}, 0, {}};
    return ListInput(path);
}

bool ExpandFolderArguments(std::vector<std::string>& files, std::ostream& err) {
    bool allRead = true;
    std::vector<std::string> expanded;
    for (const std::string& file : files) {
        std::error_code ec;
        if (!fs::is_directory(file, ec)) {
            expanded.push_back(file);
            continue;
        }
        EventInput input = EventInputOf(file);
        if (!input.error.empty()) {
            err << "error: " << EscapedText(input.error) << '\n';
            allRead = false;
        }
        if (input.skipped > 0)
            err << EscapedText(file) << ": " << input.skipped << (input.skipped == 1 ? " file" : " files")
                << " skipped: not record files\n";
        expanded.insert(expanded.end(), input.files.begin(), input.files.end());
    }
    files = std::move(expanded);
    return allRead;
}

}  // namespace tremblo
