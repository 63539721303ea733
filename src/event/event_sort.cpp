#include "event/event_sort.h"

#include <optional>
#include <string_view>

namespace tremblo {

namespace {

// What a row shows in one column, as it sorts: a number or a text.
struct SortKey {
    std::optional<double> number;
    std::string_view text;
    bool isText = false;

    bool empty() const { return isText ? text.empty() : !number.has_value(); }
    bool operator<(const SortKey& other) const { return isText ? text < other.text : *number < *other.number; }
};

SortKey Text(const std::string& text) { return {std::nullopt, text, true}; }

template <typename Number>
SortKey Value(const std::optional<Number>& value) {
    return value ? SortKey{static_cast<double>(*value), {}, false} : SortKey{};
}

SortKey KeyOf(const EventRow& row, EventColumn column) {
    switch (column) {
        case EventColumn::Code: return Text(row.stationCode);
        case EventColumn::Name: return Text(row.stationName);
        case EventColumn::Network: return SortKey{static_cast<double>(row.network), {}, false};
        case EventColumn::Distance: return Value(row.distanceKm);
        case EventColumn::Pga1: return Value(row.pga[0]);
        case EventColumn::Pga2: return Value(row.pga[1]);
        case EventColumn::Pga3: return Value(row.pga[2]);
        case EventColumn::PgaMax: return Value(row.pgaMax);
        case EventColumn::Pgv: return Value(row.pgvHorizontal);
        case EventColumn::Jma: return Value(row.jmaIntensity);
        case EventColumn::JmaClass: return Text(row.jmaClass);
        case EventColumn::Sa02: return Value(row.sa02);
        case EventColumn::Sa10: return Value(row.sa10);
        case EventColumn::Error: return Text(row.error);
        default: break;
    }
    if (const std::optional<int> k = MeasureIndexOf(column)) return Value(row.measures[static_cast<std::size_t>(*k)]);
    return {};
}

}  // namespace

bool EventRowOrder::operator()(const EventRow& a, const EventRow& b) const {
    const SortKey keyA = KeyOf(a, column_);
    const SortKey keyB = KeyOf(b, column_);
    if (keyA.empty() || keyB.empty()) return !keyA.empty() && keyB.empty();
    return ascending_ ? keyA < keyB : keyB < keyA;
}

}  // namespace tremblo
