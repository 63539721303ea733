#include "record/record_labels.h"

#include "common/format.h"
#include "common/shift_jis.h"
#include "common/translation.h"
#include "record/agency_reading.h"
#include "record/component_names.h"

namespace tremblo {

RecordLabels RecordLabels::AtStartUp() {
    RecordLabels labels;
    labels.label14 = FileFormatLabel(RecordFormat::Knet);
    return labels;
}

std::string NoDataLabel() { return TrText("record", "データなし"); }

std::string FileFormatLabel(RecordFormat format) {
    switch (format) {
        case RecordFormat::Hiroshima: return TrText("record", "広島市消防局データファイル");
        case RecordFormat::Cdpc: return TrText("record", "中央防災会議データファイル");
        case RecordFormat::Knet: break;
        default: return StringPrintf(TrText("record", "%s データファイル").c_str(), FormatDisplayName(format).c_str());
    }
    return TrText("record", "K-NET/KiK-net データファイル");
}

std::string AutomaticFormatLabel() { return TrText("record", "自動判別（形式は内容から判断します）"); }

void SetKnetHeaderLabels(const RecordFields& r, RecordLabels& labels) {
    labels.label6 = SjisToUtf8(r.originDate.str() + "  " + r.originTime.str());
    labels.label7 = StringPrintf("%6.1f", static_cast<double>(r.epicenterLat));
    labels.label8 = StringPrintf("%6.1f", static_cast<double>(r.epicenterLon));
    labels.label9 = StringPrintf("%4d km", r.depthKm);
    labels.label10 = StringPrintf("%6.1f", static_cast<double>(r.magnitude));
    labels.label13 = SjisToUtf8(r.stationCode.view());
    labels.label28 = StringPrintf("%.2f s", static_cast<double>(r.durationSeconds));
    labels.label30 = StringPrintf("%d 1/s", r.samplingFrequency);
}

void SetAfterLoadLabels(const RecordFields& r, RecordLabels& labels) {
    labels.label12 = std::to_string(r.sampleCount);
    labels.label14 = r.componentCount == 1 ? r.componentPath[0] : PathWithoutExtension(r.componentPath[0]);
}

AfterLoadView MakeAfterLoadView(const RecordFields& r) {
    AfterLoadView view;
    view.trackBarMaximum = r.sampleCount;
    const bool three = r.componentCount == 3;
    for (int c = 0; c < 3; ++c)
        view.componentItems[c] = (c == 0 || three) ? SjisToUtf8(r.componentLabel[c].view()) : " ";
    view.synthesisEnabled = three;
    return view;
}

}  // namespace tremblo
