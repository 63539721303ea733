#include "event/event_column_number.h"

namespace tremblo {

namespace {

template <typename Number>
std::optional<double> Widened(const std::optional<Number>& value) {
    return value ? std::optional<double>(static_cast<double>(*value)) : std::nullopt;
}

}  // namespace

std::optional<double> EventColumnNumber(const EventRow& row, EventColumn column) {
    switch (column) {
        case EventColumn::Distance: return row.distanceKm;
        case EventColumn::Pga1: return Widened(row.pga[0]);
        case EventColumn::Pga2: return Widened(row.pga[1]);
        case EventColumn::Pga3: return Widened(row.pga[2]);
        case EventColumn::PgaMax: return Widened(row.pgaMax);
        case EventColumn::Pgv: return Widened(row.pgvHorizontal);
        case EventColumn::Jma: return Widened(row.jmaIntensity);
        case EventColumn::Sa02: return Widened(row.sa02);
        case EventColumn::Sa10: return Widened(row.sa10);
        case EventColumn::Code:
        case EventColumn::Name:
        case EventColumn::Network:
        case EventColumn::JmaClass:
        case EventColumn::Error: return std::nullopt;
        default: break;
    }
    if (const std::optional<int> k = MeasureIndexOf(column)) return Widened(row.measures[static_cast<std::size_t>(*k)]);
    return std::nullopt;
}

bool IsNumericEventColumn(EventColumn column) {
    switch (column) {
        case EventColumn::Distance:
        case EventColumn::Pga1:
        case EventColumn::Pga2:
        case EventColumn::Pga3:
        case EventColumn::PgaMax:
        case EventColumn::Pgv:
        case EventColumn::Jma:
        case EventColumn::Sa02:
        case EventColumn::Sa10: return true;
        default: return MeasureIndexOf(column).has_value();
    }
}

}  // namespace tremblo
