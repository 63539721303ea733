#include "record/windows/record_info_panel.h"

#include <QLabel>
#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "stations/station_note.h"

namespace tremblo {

namespace {

constexpr int kRow = 18;
constexpr int kCaptionGap = 6;  // between a caption and its value
constexpr int kItemGap = 10;    // between a value and the next caption

// A value label with its caption and the widest texts a load puts there.
struct Item {
    const char* name;
    const char* caption;
    std::initializer_list<const char*> widest;
    int minimumWidth = 0;  // for texts of any length: names, places, paths (the hint shows them whole)
};

}  // namespace

RecordInfoPanel::RecordInfoPanel(const std::vector<std::string>& intensityExamples, QWidget* parent)
    : QWidget(parent) {
    // Five rows under the plot: the event, the station, the recording, the
    // file, the intensity.
    // Captions in the language in use; the widest values as a load writes them.
    const std::string noDataText = NoDataLabel();
    const char* noData = noDataText.c_str();
    std::string intensity;  // the widest line under the others
    for (const std::string& text : intensityExamples) {
        if (fontMetrics().horizontalAdvance(QString::fromStdString(text)) >
            fontMetrics().horizontalAdvance(QString::fromStdString(intensity)))
            intensity = text;
    }
    const std::initializer_list<Item> rows[] = {
        {{"Label6", QT_TR_NOOP("発震日時"), {"2024/11/05  10:12:00", noData}},
         {"Label7", QT_TR_NOOP("震源緯度"), {" -90.0", noData}},
         {"Label8", QT_TR_NOOP("経度"), {" 180.0", noData}},
         {"Label9", QT_TR_NOOP("震源深さ"), {" 700 km", noData}}},
        {{"Label13", QT_TR_NOOP("観測点"), {"IWTH25", "XX.IWTH25"}},  // K-NET codes, FDSN ones with their network
         {"Label23", "", {}, 120},
         {"Label24", "", {}, 200},
         {"Label25", "", {}, 120}},
        {{"Label28", QT_TR_NOOP("計測時間"), {"2024/11/05 10:12:25", "300.00 s"}},
         {"Label30", QT_TR_NOOP("ｻﾝﾌﾟﾘﾝｸﾞ率"), {"200 1/s"}},
         {"Label12", QT_TR_NOOP("ﾃﾞｰﾀ総数"), {"70000"}},
         {"Label10", QT_TR_NOOP("ﾏｸﾞﾆﾁｭｰﾄﾞ"), {"  -9.9", noData}}},
        {{"Label14", QT_TR_NOOP("ﾌｧｲﾙ"), {}, 540}},
        {{"LabelIntensity", "", {intensity.c_str()}}},
    };
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (const Item& item : row) {
            int width = item.minimumWidth;
            for (const char* text : item.widest)
                width = std::max(width, fontMetrics().horizontalAdvance(QString::fromUtf8(text)) + 2);
            x = AddValue(item.name, item.caption, x, y, width)->geometry().right() + 1 + kItemGap;
        }
        y += kRow;
    }
}

QLabel* RecordInfoPanel::AddValue(const char* name, const char* caption, int x, int y, int width) {
    int valueX = x;
    if (*caption) {
        auto* fixed = new QLabel(tr(caption), this);
        fixed->adjustSize();
        fixed->move(x, y);
        valueX = x + fixed->width() + kCaptionGap;
    }
    auto* value = new QLabel(this);
    value->setObjectName(name);
    value->setGeometry(valueX, y, width, kRow - 2);
    return value;
}

void RecordInfoPanel::ShowIntensity(const QString& text) { valueLabel("LabelIntensity")->setText(text); }

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
        label->setText(QString::fromStdString(std::string_view(name) == "Label25" ? ShownStationNote(*text) : *text));
        label->setToolTip(label->text());
    }
}

}  // namespace tremblo
