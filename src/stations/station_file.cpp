#include "stations/station_file.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "common/atomic_file.h"
#include "common/format.h"
#include "common/shift_jis.h"
#include "common/translation.h"
#include "stations/data_folder.h"

namespace tremblo {

namespace fs = std::filesystem;

std::vector<StationListRow> StationListRows(const StationRow* rows, int count) {
    std::vector<StationListRow> list;
    for (int i = 0; i < count; ++i) {
        const StationRow& r = rows[i];
        list.push_back({SjisToUtf8(r.code.view()), " " + SjisToUtf8(r.name.view()), SjisToUtf8(r.column3.view()),
                        SjisToUtf8(r.location.view()), SjisToUtf8(r.column5.view())});
    }
    return list;
}

std::vector<StationListRow> SiteNameRows(const StationDirectory& d) {
    std::vector<StationListRow> rows = StationListRows(d.knetStations.data(), d.knetStationCount);
    const std::vector<StationListRow> kiknet = StationListRows(d.kiknetStations.data(), d.kiknetStationCount);
    rows.insert(rows.end(), kiknet.begin(), kiknet.end());
    return rows;
}

std::string SiteNameFileText(const std::vector<StationListRow>& rows, std::string_view lineEnd) {
    std::string text;
    for (const StationListRow& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (k > 0) text += ',';
            text += Utf8ToSjis(row[k]);
        }
        text += lineEnd;
    }
    return text;
}

const char* StationListColumnName(int column) {
    // Japanese; QCoreApplication::translate("stations", ...) in the windows.
    static const char* const names[] = {QT_TRANSLATE_NOOP("stations", "コード"), QT_TRANSLATE_NOOP("stations", "観測点名"),
                                        QT_TRANSLATE_NOOP("stations", "3列目"), QT_TRANSLATE_NOOP("stations", "所在地"),
                                        QT_TRANSLATE_NOOP("stations", "5列目")};
    return column >= 0 && column < 5 ? names[column] : "";
}

namespace {

// Bytes each column keeps, after the blanks the reader skips.
std::size_t ColumnCapacity(int column) {
    const StationRow row;
    switch (column) {
        case 0: return row.code.capacity();
        case 1: return row.name.capacity();
        case 2: return row.column3.capacity();
        case 3: return row.location.capacity();
        default: return row.column5.capacity();
    }
}

std::string_view SkipLeadingBlanks(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::optional<std::string> CellProblem(const std::string& cell, int column, std::string& sjis) {
    for (const char c : cell) {
        if (c == ',') return TrText("stations", "コンマ（,）は使えません");
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return TrText("stations", "改行や制御文字は使えません");
    }
    if (!TryUtf8ToSjis(cell, sjis)) return TrText("stations", "Shift-JISにない文字があります");
    // The reader skips blanks before a text, but a line longer than it reads
    // would become two rows: one blank before the text at most.
    if (SkipLeadingBlanks(sjis).size() > ColumnCapacity(column) || sjis.size() > ColumnCapacity(column) + 1)
        return StringPrintf(TrText("stations", "長すぎます（%zu バイトまで）").c_str(), ColumnCapacity(column));
    return std::nullopt;
}

}  // namespace

std::optional<StationListProblem> CheckStationListRows(const std::vector<StationListRow>& rows, bool knet) {
    std::vector<std::string> codes;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        std::string sjis;
        for (int c = 0; c < 5; ++c)
            if (auto problem = CellProblem(rows[r][static_cast<std::size_t>(c)], c, sjis))
                return StationListProblem{row, c, *problem};
        TryUtf8ToSjis(rows[r][0], sjis);
        const std::string code(SkipLeadingBlanks(sjis));
        if (code.empty()) return StationListProblem{row, 0, TrText("stations", "コードが空です")};
        if (IsKnetCode(code) != knet)
            return StationListProblem{row, 0, knet ? TrText("stations", "K-NETのコードは4文字目が数字です")
                                                   : TrText("stations", "KiK-netのコードは4文字目が数字ではありません")};
        for (std::size_t k = 0; k < codes.size(); ++k)
            if (CompareCodesIgnoringCase(codes[k], code) == 0)
                return StationListProblem{row, 0, StringPrintf(TrText("stations", "%zu 行目と同じコードです（大文字・小文字は区別しません）").c_str(), k + 1)};
        codes.push_back(code);
    }
    return std::nullopt;
}

std::string PrepareUserDataFolder(const std::string& readFolder) {
    std::error_code ec;
    const fs::path user = UserDataFolder();
    fs::create_directories(user, ec);
    if (!fs::is_directory(user, ec) || access(user.c_str(), W_OK) != 0) return {};
    const fs::path shobo = user / "SHOBONAME.CSV";
    if (!fs::exists(shobo, ec) && !readFolder.empty())
        fs::copy_file(fs::path(readFolder) / "SHOBONAME.CSV", shobo, ec);
    return user.string();
}

std::string SaveSiteNameFile(const std::string& readFolder, const std::string& text) {
    std::error_code ec;
    if (!readFolder.empty() && fs::is_directory(readFolder, ec)) {
        const std::string path = (fs::path(readFolder) / "SITENAME.CSV").string();
        if (WriteFileAtomically(path, text)) return path;
    }
    const std::string user = PrepareUserDataFolder(readFolder);
    if (user.empty()) return {};
    const std::string path = (fs::path(user) / "SITENAME.CSV").string();
    return WriteFileAtomically(path, text) ? path : std::string();
}

}  // namespace tremblo
