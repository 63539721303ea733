#pragma once
// The event table as the table view shows it: the rows of the event model in
// its display order (sorted and filtered there), one column per value
// (EventColumnsInTableOrder: the view hides those not chosen).
#include <QAbstractTableModel>

#include "event/event_table.h"

namespace tremblo {

class EventTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit EventTableModel(QObject* parent = nullptr);

    EventTable& table() { return table_; }
    const EventTable& table() const { return table_; }

    // Changes of the model, each keeping the selection on the same records.
    void AddRows(std::vector<EventRow> rows);
    void Clear();
    void SetFilter(std::string prefix, std::set<Network> networks);

    // The record (arrival index) shown at `row`, and the row showing a record.
    std::size_t RecordAt(int row) const { return table_.Visible()[static_cast<std::size_t>(row)]; }
    std::optional<int> RowOf(std::size_t record) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    // Runs `change` on the table between the layout signals, moving the
    // persistent indexes (selection, current row) with their records.
    template <typename Change>
    void ChangeLayout(Change change);

    EventTable table_;
};

// The text a cell shows: a measure's in four significant digits (as the
// intensity window shows it).
QString EventCellText(const EventRow& row, EventColumn column);
// A column's header, in the user's language.
QString EventColumnHeader(EventColumn column);

}  // namespace tremblo
