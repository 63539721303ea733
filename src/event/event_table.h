#pragma once
// The event list's model: every record of an event in arrival order, and
// the rows shown, sorted by one column and filtered by station and network.
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "event/event_row.h"
#include "event/event_sort.h"

namespace tremblo {

class EventTable {
public:
    // Appends a row; it takes its place in the current sort and filter
    // (after the rows it sorts equal to). Cheap for one row at a time.
    void Add(EventRow row);
    void Clear();

    // Sorts the rows by a column. Stable: rows equal in that column keep
    // their order of the previous sort (arrival order at first).
    void SortBy(EventColumn column, bool ascending);
    // Shows the rows whose station code starts with `prefix` (ASCII letters
    // in any case) or whose station name starts with it, of the networks in
    // `networks` (an empty set: every network). An empty prefix matches all.
    void SetFilter(std::string prefix, std::set<Network> networks);
    // A filter is set: some rows may be hidden.
    bool filtered() const { return !prefix_.empty() || !networks_.empty(); }

    // Indices into rows() in display order.
    const std::vector<std::size_t>& Visible() const { return visible_; }
    // Every row, in arrival order.
    const std::vector<EventRow>& rows() const { return rows_; }

    std::size_t readCount() const { return rows_.size(); }  // every row added, failed ones too
    std::size_t failedCount() const { return failed_; }
    std::size_t shownCount() const { return visible_.size(); }

    // The display position of a row, when it is shown.
    std::optional<std::size_t> VisiblePosition(std::size_t rowIndex) const;

    // The summary table of every row in arrival order: the header line, then
    // each row's line as it was read (the batch's --summary output of the
    // same records). Lines end CR LF.
    std::string SummaryCsv(const std::string& headerLine) const;

private:
    bool Passes(const EventRow& row) const;
    // Inserts a row index after the rows it does not sort before.
    void InsertSorted(std::vector<std::size_t>& order, std::size_t index) const;
    void RebuildVisible();

    std::vector<EventRow> rows_;
    std::vector<std::size_t> order_;    // every row, in sort order
    std::vector<std::size_t> visible_;  // the rows of order_ that pass the filter
    std::optional<EventRowOrder> sort_;
    std::string prefix_;
    std::set<Network> networks_;
    std::size_t failed_ = 0;
};

}  // namespace tremblo
