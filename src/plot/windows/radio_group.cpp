#include "plot/windows/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tremblo {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button);
        buttons_.push_back(button);
    }
    if (!buttons_.empty()) buttons_[0]->setChecked(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == index_) return;
        index_ = id;
        emit clicked();
    });
}

void RadioGroup::setItemIndex(int i) {
    if (i < 0 || i >= count() || i == index_) return;
    index_ = i;
    buttons_[static_cast<std::size_t>(i)]->setChecked(true);
    emit clicked();
}

void RadioGroup::setItems(const QStringList& items) {
    for (int i = 0; i < count() && i < items.size(); ++i) buttons_[static_cast<std::size_t>(i)]->setText(items[i]);
}

}  // namespace tremblo
