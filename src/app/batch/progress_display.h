#pragma once
// How the batch tells the user what it did, record by record: on a terminal a
// progress bar redrawn in place, with failures printed above it; otherwise
// one plain line per record. Not thread-safe: the runner serialises calls.
#include <ostream>
#include <string>

#include "pipeline/record_feed.h"
#include "pipeline/record_worker.h"

namespace tremblo {

class ProgressDisplay {
public:
    ProgressDisplay(std::ostream& out, bool terminal, int total);

    void Start();
    // Records found as the batch goes (in archives) raise the total.
    void SetTotal(int total) { total_ = total; }
    void RecordDone(const RecordOutcome& outcome);
    // Clears the bar; the summary follows on a fresh line.
    void Finish();

    int done() const { return done_; }
    int failed() const { return failed_; }
    int total() const { return total_; }

private:
    void DrawBar();
    void ClearBar();
    // One line: the counter (without the bar) and `text` escaped.
    void Line(const std::string& counter, const std::string& text);

    std::ostream& out_;
    bool terminal_;
    int total_;
    int done_ = 0;
    int failed_ = 0;
};

// "FILE: reason" of a failed record, "FILE: note: message" of a load that
// went on after a message.
std::string FailureLine(const RecordOutcome& outcome);

// "ARCHIVE: 12 members skipped: not record files", of an archive whose
// members not record files the batch passed over (the archive's name
// escaped).
std::string SkippedMembersLine(const ArchiveFeedReport& report);

}  // namespace tremblo
