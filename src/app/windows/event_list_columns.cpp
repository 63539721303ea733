// The event window's columns: which the table shows (chosen, remembered,
// the event read again when the measures are wanted), and the column the
// map is coloured by.
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableView>

#include "app/windows/event_column_chooser.h"
#include "app/windows/event_list.h"
#include "app/windows/event_list_settings.h"
#include "app/windows/event_table_model.h"
#include "app/windows/station_map_view.h"
#include "event/event_column_number.h"

namespace tremblo {

void TEventList::SetShownColumns(const std::set<EventColumn>& columns) {
    if (columns.empty()) return;  // a table needs a column
    shownColumns_ = columns;
    SaveShownEventColumns(columns);
    ApplyShownColumns();
    if (!reading_ || readWithMeasures() || !NeedsMeasures(columns)) return;
    // The rows read hold no measures: read again, the filter and the sort kept.
    const std::string path = reading_->path();
    StartReading(path, tr("強震動指標の列のため、記録を読み直しています（指標も計算します）: %1")
                           .arg(QString::fromStdString(path)));
}

void TEventList::ChooseColumnsClick() {
    auto* chooser = new TEventColumnChooser(shownColumns_, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QDialog::accepted, this, [this, chooser] { SetShownColumns(chooser->Chosen()); });
    chooser->open();
}

void TEventList::SetMapColumn(std::optional<EventColumn> column) {
    if (column && (!IsNumericEventColumn(*column) || !shownColumns_.contains(*column))) column.reset();
    const bool changed = column != mapColumn_;
    mapColumn_ = column;
    {
        const QSignalBlocker quiet(CBMapColumn);
        const int item = CBMapColumn->findData(column ? static_cast<int>(*column) : -1);
        CBMapColumn->setCurrentIndex(std::max(0, item));
    }
    if (!changed) return;
    SaveMapColumn(column);
    RedrawMap();
}

void TEventList::ApplyShownColumns() {
    const std::vector<EventColumn>& all = EventColumnsInTableOrder();
    for (std::size_t section = 0; section < all.size(); ++section)
        Grid->setColumnHidden(static_cast<int>(section), !shownColumns_.contains(all[section]));
    FillMapColumnChoice();
}

// 震度階級, then the numeric columns shown, in the table's order; a
// column no longer shown gives the map back to the classes.
void TEventList::FillMapColumnChoice() {
    {
        const QSignalBlocker quiet(CBMapColumn);
        CBMapColumn->clear();
        CBMapColumn->addItem(tr("震度階級"), -1);
        for (const EventColumn column : EventColumnsInTableOrder())
            if (IsNumericEventColumn(column) && shownColumns_.contains(column))
                CBMapColumn->addItem(EventColumnHeader(column), static_cast<int>(column));
    }
    SetMapColumn(mapColumn_);
}

QLayout* TEventList::BuildMapColumn() {
    CBMapColumn = new QComboBox(this);
    CBMapColumn->setToolTip(tr("観測点を塗り分ける列（表に表示している数値の列から選びます）"));
    CBMapColumn->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CBMapColumn->setMinimumContentsLength(16);
    connect(CBMapColumn, &QComboBox::currentIndexChanged, this, [this] {
        const int data = CBMapColumn->currentData().toInt();
        SetMapColumn(data < 0 ? std::nullopt : std::optional<EventColumn>(static_cast<EventColumn>(data)));
    });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("地図の色"), this));
    row->addWidget(CBMapColumn, 1);
    return row;
}

}  // namespace tremblo
