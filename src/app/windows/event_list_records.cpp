// The event window's rows taken further: a row's record opened in the main
// window, the table and the map saved.
#include <QCoreApplication>
#include <QTableView>
#include <filesystem>

#include "app/windows/event_list.h"
#include "app/windows/event_table_model.h"
#include "app/windows/station_map_view.h"
#include "common/atomic_file.h"
#include "input/archive_members.h"
#include "input/gzip_file_source.h"
#include "input/member_file_source.h"
#include "plot/png_writer.h"
#include "plot/windows/widget_place.h"

namespace tremblo {

namespace {

QString Caption() { return QCoreApplication::translate("tremblo::TEventList", "イベント一覧"); }

}  // namespace

std::unique_ptr<RecordFileSource> TEventList::SourceOf(const EventRecord& record, std::string& failure) const {
    switch (record.origin) {
    case RecordOrigin::PlainFiles: return nullptr;
    case RecordOrigin::GzipFiles: return std::make_unique<GzipFileSource>();
    case RecordOrigin::Archive: {
        Result<std::vector<ArchiveMember>> members = ReadArchiveMembers(record.archive, record.memberNames);
        if (!members) {
            failure = members.error().message;
            return nullptr;
        }
        return std::make_unique<MemberFileSource>(record.archive, std::move(members.value()));
    }
    }
    return nullptr;
}

void TEventList::OpenCurrentRecord() {
    if (!openRecord) return;
    const std::optional<std::size_t> current = CurrentRecord();
    if (!current) {
        platform_.ShowMessage(Std(tr("波形を表示する記録の行を表で選んでください")), Std(Caption()), MessageStyle::Plain);
        return;
    }
    const EventRecord& record = records_[*current];
    if (record.failed && record.loadPath.empty()) {  // an archive that could not be read on
        const EventRow& row = model_->table().rows()[*current];
        platform_.ShowMessage(Std(tr("この行には開ける記録がありません\n%1").arg(QString::fromStdString(row.error))),
                              Std(Caption()), MessageStyle::Warning);
        return;
    }
    std::string failure;
    platform_.ShowWait(Std(tr("記録を読み込み中...")));
    const std::unique_ptr<RecordFileSource> source = SourceOf(record, failure);
    platform_.CloseWait();
    if (!failure.empty()) {
        platform_.ShowMessage(Std(tr("%1 を読めません\n%2").arg(QString::fromStdString(record.file), QString::fromStdString(failure))),
                              Std(Caption()), MessageStyle::Warning);
        return;
    }
    openRecord(record.loadPath, record.format, source.get());
}

// ---- Exports ------------------------------------------------------------------

std::string TEventList::ExportBaseName() const {
    if (!reading_) return "event";
    std::string name = std::filesystem::path(reading_->path()).filename().string();
    if (name.empty()) name = std::filesystem::path(reading_->path()).parent_path().filename().string();
    const std::size_t dot = name.find('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

void TEventList::BtnCsvClick() {
    const std::optional<std::string> path = platform_.AskSaveFile(
        SaveDialogRequest{Std(tr("CSVﾌｧｲﾙ(*.csv)|*.csv")), ".", ExportBaseName() + "_summary.csv", "csv"});
    if (!path) return;
    if (!WriteFileAtomically(*path, model_->table().SummaryCsv(header_))) ReportCannotCreate(platform_, *path);
}

// The map of the rows shown: unfiltered the batch's --map of the same
// records; filtered, its file is proposed under a name that says so.
void TEventList::BtnPngClick() {
    const std::string name = ExportBaseName() + (model_->table().filtered() ? "_map_filtered.png" : "_map.png");
    const std::optional<std::string> path =
        platform_.AskSaveFile(SaveDialogRequest{Std(tr("PNGﾌｧｲﾙ(*.png)|*.png")), ".", name, "png"});
    if (!path) return;
    const PngWriteResult written = WritePngFile(*path, Map->ExportPicture());
    if (!written.ok) ReportCannotCreate(platform_, *path);
}

}  // namespace tremblo
