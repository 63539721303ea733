#include "app/windows/event_column_chooser.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/windows/event_table_model.h"
#include "event/measure_columns.h"

namespace tremblo {

namespace {

QString GroupCaption(EventColumnGroup group) {
    switch (group) {
    case EventColumnGroup::Record: return TEventColumnChooser::tr("記録");
    case EventColumnGroup::Peaks: return TEventColumnChooser::tr("最大値");
    case EventColumnGroup::Intensity: return TEventColumnChooser::tr("震度");
    case EventColumnGroup::Spectra: return TEventColumnChooser::tr("応答スペクトル");
    case EventColumnGroup::Measures: return TEventColumnChooser::tr("強震動指標（読み込みに時間がかかります）");
    }
    return {};
}

// The measure's component ("NS", "EW", "UD"), or the horizontal motion's group.
QString MeasureGroupCaption(const MeasureColumn& measure) {
    return *measure.component != '\0' ? QString::fromLatin1(measure.component) : TEventColumnChooser::tr("水平動");
}

}  // namespace

TEventColumnChooser::TEventColumnChooser(const std::set<EventColumn>& shown, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("表示する列"));
    Tree = new QTreeWidget(this);
    Tree->setHeaderHidden(true);
    Fill(shown);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    BtnOk = buttons->button(QDialogButtonBox::Ok);
    BtnDefault = buttons->addButton(tr("初期設定に戻す"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(BtnDefault, &QPushButton::clicked, this, [this] {
        const std::set<EventColumn> defaults = DefaultShownColumns();
        for (const auto& [column, item] : items_) item->setCheckState(0, defaults.contains(column) ? Qt::Checked : Qt::Unchecked);
    });
    // A table needs a column.
    connect(Tree, &QTreeWidget::itemChanged, this, [this] { BtnOk->setEnabled(!Chosen().empty()); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tree, 1);
    layout->addWidget(buttons);
    resize(360, 520);
}

QTreeWidgetItem* TEventColumnChooser::GroupItem(EventColumnGroup group) {
    QTreeWidgetItem*& top = groups_[static_cast<int>(group)];
    if (!top) {
        top = new QTreeWidgetItem(Tree, {GroupCaption(group)});
        top->setFlags(top->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    }
    return top;
}

QTreeWidgetItem* TEventColumnChooser::ParentOf(EventColumn column) {
    QTreeWidgetItem* top = GroupItem(GroupOf(column));
    const MeasureColumn* measure = MeasureColumnOf(column);
    if (!measure) return top;
    // The components' and the horizontal motion's sub-groups after the groups' keys.
    const int key = 100 + (*measure->component != '\0' ? measure->component[0] : 0);
    QTreeWidgetItem*& sub = groups_[key];
    if (!sub) {
        sub = new QTreeWidgetItem(top, {MeasureGroupCaption(*measure)});
        sub->setFlags(sub->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    }
    return sub;
}

void TEventColumnChooser::Fill(const std::set<EventColumn>& shown) {
    for (const EventColumnGroup group : {EventColumnGroup::Record, EventColumnGroup::Peaks, EventColumnGroup::Intensity,
                                         EventColumnGroup::Spectra, EventColumnGroup::Measures})
        GroupItem(group);
    for (const EventColumn column : EventColumnsInTableOrder()) {
        auto* item = new QTreeWidgetItem(ParentOf(column), {EventColumnHeader(column)});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, shown.contains(column) ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(0, QString::fromStdString(EventColumnKey(column)));
        items_[column] = item;
    }
    Tree->expandAll();
}

std::set<EventColumn> TEventColumnChooser::Chosen() const {
    std::set<EventColumn> chosen;
    for (const auto& [column, item] : items_)
        if (item->checkState(0) == Qt::Checked) chosen.insert(column);
    return chosen;
}

}  // namespace tremblo
