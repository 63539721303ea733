#include "app/windows/event_table_model.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <array>

#include "common/translation.h"
#include "event/event_column_number.h"
#include "event/intensity_colors.h"
#include "event/measure_columns.h"
#include "event/summary_columns.h"
#include "pipeline/measure_table.h"

namespace tremblo {

namespace {

EventColumn ColumnAt(int section) { return EventColumnsInTableOrder()[static_cast<std::size_t>(section)]; }

QString Fixed(const std::optional<float>& value, int decimals) {
    return value ? QString::number(static_cast<double>(*value), 'f', decimals) : QString();
}

QString Fixed(const std::optional<double>& value, int decimals) {
    return value ? QString::number(*value, 'f', decimals) : QString();
}

QString HeaderHint(EventColumn column) {
    switch (column) {
    case EventColumn::Distance: return QCoreApplication::translate("tremblo::EventTableModel", "震央と観測点の測地線距離 (WGS84)");
    case EventColumn::Jma: return QCoreApplication::translate("tremblo::EventTableModel", "計測震度（3成分の記録全体）");
    case EventColumn::PgaMax: return QCoreApplication::translate("tremblo::EventTableModel", "3成分の最大加速度の最大値");
    case EventColumn::Pgv: return QCoreApplication::translate("tremblo::EventTableModel", "水平成分の最大速度の大きい方（表示範囲）");
    case EventColumn::Sa02:
    case EventColumn::Sa10:
        return QCoreApplication::translate("tremblo::EventTableModel", "減衰5%の加速度応答スペクトル、水平成分の大きい方");
    default: break;
    }
    if (const MeasureColumn* measure = MeasureColumnOf(column))
        return QCoreApplication::translate("tremblo::EventTableModel", "要約表の列 %1（--measures）")
            .arg(QString::fromStdString(measure->name));
    return {};
}

}  // namespace

QString EventCellText(const EventRow& row, EventColumn column) {
    switch (column) {
    case EventColumn::Code: return QString::fromStdString(row.stationCode);
    case EventColumn::Name: {
        if (row.error.empty()) return QString::fromStdString(row.stationName);
        // A failed record by its file's own name first, then where it lies.
        const RecordFilePlace place = PlaceOfRecordFile(row.file);
        if (place.holder.empty()) return QString::fromStdString(place.name);
        return QString::fromStdString(place.name + "  (" + place.holder + ")");
    }
    case EventColumn::Network:
        return row.error.empty() ? QString::fromStdString(TrText("event", NetworkText(row.network))) : QString();
    case EventColumn::Distance: return Fixed(row.distanceKm, 1);
    case EventColumn::Pga1: return Fixed(row.pga[0], 1);
    case EventColumn::Pga2: return Fixed(row.pga[1], 1);
    case EventColumn::Pga3: return Fixed(row.pga[2], 1);
    case EventColumn::PgaMax: return Fixed(row.pgaMax, 1);
    case EventColumn::Pgv: return Fixed(row.pgvHorizontal, 2);
    case EventColumn::Jma: return Fixed(row.jmaIntensity, 1);
    case EventColumn::JmaClass: return QString::fromStdString(IntensityClassText(row.jmaClass));
    case EventColumn::Sa02: return Fixed(row.sa02, 1);
    case EventColumn::Sa10: return Fixed(row.sa10, 1);
    case EventColumn::Error: return QString::fromStdString(row.error);
    default: break;
    }
    if (MeasureIndexOf(column)) return QString::fromStdString(MeasureCellText(EventColumnNumber(row, column)));
    return {};
}

EventTableModel::EventTableModel(QObject* parent) : QAbstractTableModel(parent) {}

template <typename Change>
void EventTableModel::ChangeLayout(Change change) {
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> records;
    for (const QModelIndex& index : before) records.push_back(RecordAt(index.row()));
    change();
    QModelIndexList after;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::optional<int> row = RowOf(records[i]);
        after.push_back(row ? index(*row, before[static_cast<int>(i)].column()) : QModelIndex());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

void EventTableModel::AddRows(std::vector<EventRow> rows) {
    if (rows.empty()) return;
    ChangeLayout([&] {
        for (EventRow& row : rows) table_.Add(std::move(row));
    });
}

void EventTableModel::Clear() {
    beginResetModel();
    table_.Clear();
    endResetModel();
}

void EventTableModel::SetFilter(std::string prefix, std::set<Network> networks) {
    ChangeLayout([&] { table_.SetFilter(std::move(prefix), std::move(networks)); });
}

std::optional<int> EventTableModel::RowOf(std::size_t record) const {
    const std::optional<std::size_t> position = table_.VisiblePosition(record);
    if (!position) return std::nullopt;
    return static_cast<int>(*position);
}

int EventTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.Visible().size());
}

int EventTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(EventColumnsInTableOrder().size());
}

QVariant EventTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const EventRow& row = table_.rows()[RecordAt(index.row())];
    const EventColumn column = ColumnAt(index.column());
    switch (role) {
    case Qt::DisplayRole: return EventCellText(row, column);
    case Qt::ToolTipRole: return row.error.empty() ? QString::fromStdString(row.file)
                                                   : QString::fromStdString(row.file + "\n" + row.error);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(IsNumericEventColumn(column) ? Qt::AlignRight | Qt::AlignVCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (!row.error.empty()) return QBrush(QColor(255, 225, 225));
        return {};
    default: return {};
    }
}

QVariant EventTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) return HeaderHint(ColumnAt(section));
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    return EventColumnHeader(ColumnAt(section));
}

QString EventColumnHeader(EventColumn column) {
    switch (column) {
    case EventColumn::Code: return EventTableModel::tr("コード");
    case EventColumn::Name: return EventTableModel::tr("観測点名");
    case EventColumn::Network: return EventTableModel::tr("観測網");
    case EventColumn::Distance: return EventTableModel::tr("震央距離 [km]");
    case EventColumn::Pga1: return QString::fromUtf8("PGA NS [Gal]");
    case EventColumn::Pga2: return QString::fromUtf8("PGA EW [Gal]");
    case EventColumn::Pga3: return QString::fromUtf8("PGA UD [Gal]");
    case EventColumn::PgaMax: return QString::fromUtf8("PGA [Gal]");
    case EventColumn::Pgv: return QString::fromUtf8("PGV [kine]");
    case EventColumn::Jma: return EventTableModel::tr("計測震度");
    case EventColumn::JmaClass: return EventTableModel::tr("震度階級");
    case EventColumn::Sa02: return QString::fromStdString(SpectrumColumnTitle(kEventShortPeriod));
    case EventColumn::Sa10: return QString::fromStdString(SpectrumColumnTitle(kEventLongPeriod));
    case EventColumn::Error: return EventTableModel::tr("エラー");
    default: break;
    }
    if (const MeasureColumn* measure = MeasureColumnOf(column))
        return QString::fromStdString(MeasureTitle(*measure, TrText("event", measure->caption)));
    return {};
}

void EventTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount()) return;
    ChangeLayout([&] { table_.SortBy(ColumnAt(column), order == Qt::AscendingOrder); });
}

}  // namespace tremblo
