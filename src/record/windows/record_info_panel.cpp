#include "record/windows/record_info_panel.h"

#include <QLabel>

namespace tremblo {

namespace {
constexpr int kRow = 18;
}

RecordInfoPanel::RecordInfoPanel(QWidget* parent) : QWidget(parent) {
    // Three rows under the plot: the event, the station, the file.
    AddValue("Label6", "発震日時", 0, 0, 150);
    AddValue("Label7", "震源緯度", 215, 0, 50);
    AddValue("Label8", "経度", 320, 0, 55);
    AddValue("Label9", "震源深さ", 395, 0, 55);
    AddValue("Label10", "ﾏｸﾞﾆﾁｭｰﾄﾞ", 500, 0, 45);
    AddValue("Label13", "観測点", 0, kRow, 60);
    AddValue("Label23", "", 110, kRow, 120);
    AddValue("Label24", "", 230, kRow, 200);
    AddValue("Label25", "", 430, kRow, 160);
    AddValue("Label28", "計測時間", 0, 2 * kRow, 120);
    AddValue("Label30", "ｻﾝﾌﾟﾘﾝｸﾞ率", 190, 2 * kRow, 70);
    AddValue("Label12", "ﾃﾞｰﾀ総数", 340, 2 * kRow, 60);
    AddValue("Label14", "ﾌｧｲﾙ", 0, 3 * kRow, 560);
}

QLabel* RecordInfoPanel::AddValue(const char* name, const char* caption, int x, int y, int width) {
    int valueX = x;
    if (*caption) {
        auto* fixed = new QLabel(QString::fromUtf8(caption), this);
        fixed->adjustSize();
        fixed->move(x, y);
        valueX = x + fixed->width() + 6;
    }
    auto* value = new QLabel(this);
    value->setObjectName(name);
    value->setGeometry(valueX, y, width, kRow - 2);
    return value;
}

QLabel* RecordInfoPanel::valueLabel(const char* name) const { return findChild<QLabel*>(name); }

void RecordInfoPanel::Show(const RecordLabels& l) {
    const std::pair<const char*, const std::string*> values[] = {
        {"Label6", &l.label6},   {"Label7", &l.label7},   {"Label8", &l.label8},
        {"Label9", &l.label9},   {"Label10", &l.label10}, {"Label12", &l.label12},
        {"Label13", &l.label13}, {"Label14", &l.label14}, {"Label23", &l.label23},
        {"Label24", &l.label24}, {"Label25", &l.label25}, {"Label28", &l.label28},
        {"Label30", &l.label30},
    };
    for (const auto& [name, text] : values) {
        QLabel* label = valueLabel(name);
        label->setText(QString::fromStdString(*text));
        label->setToolTip(label->text());
    }
}

}  // namespace tremblo
