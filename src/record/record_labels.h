#pragma once
// The record-information labels of the main window, as UTF-8 texts.
#include <array>
#include <string>

#include "record/seismic_record.h"

namespace tremblo {

struct RecordLabels {
    std::string label6;   // 発震日時
    std::string label7;   // 震源緯度
    std::string label8;   // 経度
    std::string label9;   // 震源深さ
    std::string label10;  // ﾏｸﾞﾆﾁｭｰﾄﾞ
    std::string label12;  // ﾃﾞｰﾀ総数
    std::string label13;  // 観測点
    std::string label14;  // ﾌｧｲﾙ
    std::string label23, label24, label25;  // station name, location, fifth column
    std::string label28;  // 計測時間
    std::string label30;  // ｻﾝﾌﾟﾘﾝｸﾞ率

    // All empty, the file label naming the K-NET/KiK-net format.
    static RecordLabels AtStartUp();
};

// The file label's text for each choice of the file-format menu.
std::string FileFormatLabel(RecordFormat format);
// The file label's text for the choice 自動判別.
std::string AutomaticFormatLabel();

// What the event fields say when the format does not carry them, in the
// language in use.
std::string NoDataLabel();

// Origin, epicentre, depth, magnitude, station code, duration and sampling
// rate of a K-NET/KiK-net header.
void SetKnetHeaderLabels(const RecordFields& record, RecordLabels& labels);

// Label12 and Label14 after a load: the sample count and the file (cut at
// the first period of its name when three components were read).
void SetAfterLoadLabels(const RecordFields& record, RecordLabels& labels);

// What the windows change after every load besides the labels.
struct AfterLoadView {
    int trackBarMaximum = 0;
    std::array<std::string, 3> componentItems;  // items of the spectrum component selector
    bool synthesisEnabled = false;              // the horizontal synthesis needs 3 components
};
AfterLoadView MakeAfterLoadView(const RecordFields& record);

}  // namespace tremblo
