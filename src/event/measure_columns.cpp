#include "event/measure_columns.h"

#include "common/translation.h"

namespace tremblo {

namespace {

struct Quantity {
    const char* name;
    const char* caption;
    const char* unit;
    bool logarithmic;
};

constexpr Quantity kComponentQuantities[kComponentMeasureCount] = {
    {"arias", QT_TRANSLATE_NOOP("event", "アリアス強度"), "m/s", true},
    {"d5_75", "D5-75", "s", false},
    {"d5_95", "D5-95", "s", false},
    {"cav", "CAV", "cm/s", true},
    {"cav5", "CAV5", "cm/s", true},
    {"cavstd", "CAVstd", "cm/s", true},
    {"bracketed", QT_TRANSLATE_NOOP("event", "ブラケット継続時間"), "s", false},
    {"housner_si", QT_TRANSLATE_NOOP("event", "ハウスナーSI"), "cm", true},
    {"si", QT_TRANSLATE_NOOP("event", "SI値"), "kine", true}};

constexpr Quantity kHorizontalQuantities[kHorizontalMeasureCount] = {
    {"si_horizontal", QT_TRANSLATE_NOOP("event", "SI値 水平動"), "kine", true},
    {"pga_rotd50", "PGA RotD50", "Gal", true},
    {"pga_rotd100", "PGA RotD100", "Gal", true},
    {"pgv_rotd50", "PGV RotD50", "kine", true},
    {"pgv_rotd100", "PGV RotD100", "kine", true},
    {"pgd_rotd50", "PGD RotD50", "cm", true},
    {"pgd_rotd100", "PGD RotD100", "cm", true}};

constexpr const char* kComponentNames[3] = {"NS", "EW", "UD"};

std::vector<MeasureColumn> BuildMeasureColumns() {
    std::vector<MeasureColumn> columns;
    for (int c = 0; c < 3; ++c)
        for (const Quantity& q : kComponentQuantities)
            columns.push_back({"c" + std::to_string(c + 1) + "_" + q.name, q.caption, kComponentNames[c], q.unit,
                               q.logarithmic});
    for (const Quantity& q : kHorizontalQuantities) columns.push_back({q.name, q.caption, "", q.unit, q.logarithmic});
    return columns;
}

}  // namespace

const std::vector<MeasureColumn>& MeasureColumns() {
    static const std::vector<MeasureColumn> columns = BuildMeasureColumns();
    return columns;
}

std::string MeasureTitle(const MeasureColumn& measure, const std::string& caption) {
    std::string title = caption;
    if (*measure.component != '\0') title += std::string(" ") + measure.component;
    return title + " [" + measure.unit + "]";
}

}  // namespace tremblo
