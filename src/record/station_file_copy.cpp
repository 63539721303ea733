#include "record/station_file_copy.h"

#include <memory>
#include <string>

#include "common/atomic_file.h"
#include "common/format.h"
#include "common/path_text.h"
#include "common/readable_file.h"
#include "common/shift_jis.h"
#include "common/translation.h"

namespace tremblo {

namespace {

constexpr const char* kCaption = QT_TRANSLATE_NOOP("record", "観測地点名ファイル");

}  // namespace

void CreateStationNameFiles(const RecordSession& session, Platform& platform) {
    const SeismicRecord& r = session.record();
    if (!r.recordLoaded) return;
    if (!session.stationFileCopyAvailable()) {
        platform.ShowMessage(
            TrText("record", "この観測点の情報がありませんので,ファイル名を変更することはできません"),
            TrText("record", "観測点コードエラー"), MessageStyle::Warning);
        return;
    }
    // The six characters of the station code that start a K-NET file name
    // give way to the station name.
    const std::string_view fileName = FileNamePart(r.componentPath[0]);
    const std::string_view stem = fileName.substr(0, fileName.find('.'));
    const std::string rest(stem.size() > 6 ? stem.substr(6) : std::string_view());
    const std::string separator = r.recordFolder == "/" || r.recordFolder.empty() ? "" : "/";
    const std::string newBase =
        r.recordFolder + separator + SjisToUtf8(r.currentStation.name.view()) + rest;

    std::string report;
    std::string failures;
    for (int c = 0; c < r.componentCount; ++c) {
        const std::string target = newBase + "." + SjisToUtf8(r.componentLabel[c].view());
        std::string why, bytes;
        const std::unique_ptr<std::istream> in = OpenFileStream(r.componentPath[c], why);
        if (!in || !ReadRest(*in, bytes)) {
            failures += StringPrintf(TrText("record", "データファイル %s を読み込めません\n").c_str(), r.componentPath[c].c_str());
            continue;
        }
        if (!WriteFileAtomically(target, bytes)) {
            failures += StringPrintf(TrText("record", "ファイル %s を作成できません\n").c_str(), target.c_str());
            continue;
        }
        report += target + "\n";
    }
    if (!report.empty()) report += "\n" + TrText("record", "観測地点名で表したデータファイルを作成しました　　　　");
    if (!failures.empty()) report += (report.empty() ? "" : "\n\n") + failures;
    platform.ShowMessage(report, TrText("record", kCaption), MessageStyle::Warning);
}

}  // namespace tremblo
