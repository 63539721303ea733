#include "record/record_file_check.h"

#include "common/format.h"
#include "common/translation.h"
#include "record/component_names.h"

namespace tremblo {

std::optional<std::string> ZipArchiveMessage(std::istream& in, const std::string& shown) {
    char head[4] = {};
    in.read(head, sizeof head);
    if (in.gcount() != sizeof head || head[0] != 'P' || head[1] != 'K') return std::nullopt;
    const bool zip = (head[2] == 3 && head[3] == 4) || (head[2] == 5 && head[3] == 6) || (head[2] == 7 && head[3] == 8);
    if (!zip) return std::nullopt;
    return StringPrintf(
        TrText("record", "%s は ZIP 書庫です。ZIP 書庫は読めません。\n展開して、中の地震記録ファイルを開いてください").c_str(),
        shown.c_str());
}

std::optional<std::string> ComponentNameMessage(const std::string& path, const std::string& shown) {
    const std::string label = ComponentLabelOfPath(path);
    const std::string axis = label.substr(0, 2);
    if (axis == "NS" || axis == "EW" || axis == "UD") return std::nullopt;
    return StringPrintf(
        TrText("record", "%s は地震記録の成分ファイルの名前ではありません。\n3成分の記録は拡張子が NS, EW, UD (KiK-net は NS1 … UD2) のファイルから読みます").c_str(),
        shown.c_str());
}

}  // namespace tremblo
