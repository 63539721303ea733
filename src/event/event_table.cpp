#include "event/event_table.h"

#include <algorithm>

#include "common/path_text.h"

namespace tremblo {

namespace {

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

std::string WithCrLf(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return line + "\r\n";
}

}  // namespace

void EventTable::Add(EventRow row) {
    if (row.failed()) ++failed_;
    rows_.push_back(std::move(row));
    const std::size_t index = rows_.size() - 1;
    InsertSorted(order_, index);
    if (Passes(rows_[index])) InsertSorted(visible_, index);
}

void EventTable::Clear() {
    rows_.clear();
    order_.clear();
    visible_.clear();
    failed_ = 0;
}

void EventTable::SortBy(EventColumn column, bool ascending) {
    sort_.emplace(column, ascending);
    std::stable_sort(order_.begin(), order_.end(),
                     [&](std::size_t a, std::size_t b) { return (*sort_)(rows_[a], rows_[b]); });
    RebuildVisible();
}

void EventTable::SetFilter(std::string prefix, std::set<Network> networks) {
    prefix_ = std::move(prefix);
    networks_ = std::move(networks);
    RebuildVisible();
}

std::optional<std::size_t> EventTable::VisiblePosition(std::size_t rowIndex) const {
    const auto found = std::find(visible_.begin(), visible_.end(), rowIndex);
    if (found == visible_.end()) return std::nullopt;
    return static_cast<std::size_t>(found - visible_.begin());
}

std::string EventTable::SummaryCsv(const std::string& headerLine) const {
    std::string csv = WithCrLf(headerLine);
    for (const EventRow& row : rows_) csv += row.summaryLine;
    return csv;
}

bool EventTable::Passes(const EventRow& row) const {
    if (!networks_.empty() && !networks_.contains(row.network)) return false;
    return prefix_.empty() || StartsWithIgnoringAsciiCase(row.stationCode, prefix_) ||
           row.stationName.starts_with(prefix_);
}

void EventTable::InsertSorted(std::vector<std::size_t>& order, std::size_t index) const {
    if (!sort_) {
        order.push_back(index);
        return;
    }
    const auto place = std::upper_bound(order.begin(), order.end(), index, [&](std::size_t a, std::size_t b) {
        return (*sort_)(rows_[a], rows_[b]);
    });
    order.insert(place, index);
}

void EventTable::RebuildVisible() {
    visible_.clear();
    for (std::size_t index : order_)
        if (Passes(rows_[index])) visible_.push_back(index);
}

}  // namespace tremblo
