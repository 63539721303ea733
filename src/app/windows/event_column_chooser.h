#pragma once
// 表示する列: the event window's columns as a checkable list, grouped
// (record, peaks, intensity, spectra, intensity measures; the measures by
// component), the columns shown checked. OK gives the columns checked.
#include <QDialog>
#include <map>
#include <set>

#include "event/event_column.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tremblo {

class TEventColumnChooser : public QDialog {
    Q_OBJECT
public:
    TEventColumnChooser(const std::set<EventColumn>& shown, QWidget* parent = nullptr);

    std::set<EventColumn> Chosen() const;
    // The list's item of a column.
    QTreeWidgetItem* ItemOf(EventColumn column) const { return items_.at(column); }

    QTreeWidget* Tree = nullptr;
    QPushButton *BtnOk = nullptr, *BtnDefault = nullptr;

private:
    void Fill(const std::set<EventColumn>& shown);
    // The group's item, made on first use.
    QTreeWidgetItem* GroupItem(EventColumnGroup group);
    // The item a column's lies under: its group's, a measure's component's in it.
    QTreeWidgetItem* ParentOf(EventColumn column);

    std::map<EventColumn, QTreeWidgetItem*> items_;
    std::map<int, QTreeWidgetItem*> groups_;
};

}  // namespace tremblo
