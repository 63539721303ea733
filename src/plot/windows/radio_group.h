#pragma once
// A captioned group of radio buttons with an item index, like the radio
// groups of the program's windows: choosing an item, by the user or by the
// program, raises clicked().
#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace tremblo {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const { return index_; }
    // Selects item i (and raises clicked() when that changes the selection).
    void setItemIndex(int i);
    // Replaces the item texts, keeping the count and selection.
    void setItems(const QStringList& items);
    QRadioButton* button(int i) const { return buttons_[static_cast<std::size_t>(i)]; }
    int count() const { return static_cast<int>(buttons_.size()); }

signals:
    void clicked();

private:
    std::vector<QRadioButton*> buttons_;
    QButtonGroup* group_;
    int index_ = 0;
};

}  // namespace tremblo
