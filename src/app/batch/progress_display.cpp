#include "app/batch/progress_display.h"

#include <string>

#include "common/escaped_text.h"

namespace tremblo {

namespace {

constexpr int kBarWidth = 30;

}  // namespace

std::string FailureLine(const RecordOutcome& outcome) {
    return outcome.file + ": " + outcome.failure;
}

std::string SkippedMembersLine(const ArchiveFeedReport& report) {
    const std::size_t n = report.stats.skipped;
    return EscapedText(report.archive) + ": " + std::to_string(n) + (n == 1 ? " member" : " members") +
           " skipped: not record files";
}

ProgressDisplay::ProgressDisplay(std::ostream& out, bool terminal, int total)
    : out_(out), terminal_(terminal), total_(total) {}

void ProgressDisplay::Start() {
    if (terminal_) DrawBar();
}

void ProgressDisplay::ClearBar() { out_ << "\r\x1b[2K"; }

void ProgressDisplay::DrawBar() {
    const int filled = total_ > 0 ? done_ * kBarWidth / total_ : kBarWidth;
    out_ << '\r' << '[' << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << done_ << '/'
         << total_ << " records";
    if (failed_ > 0) out_ << ", " << failed_ << " failed";
    out_ << std::flush;
}

// Lines name files and members, and tell what loading them said: what
// they hold is shown escaped, so that no name acts on the terminal.
void ProgressDisplay::Line(const std::string& counter, const std::string& text) {
    out_ << (terminal_ ? "" : counter) << EscapedText(text) << '\n';
}

void ProgressDisplay::RecordDone(const RecordOutcome& outcome) {
    ++done_;
    if (!outcome.ok) ++failed_;
    if (terminal_) ClearBar();
    const std::string counter = "[" + std::to_string(done_) + "/" + std::to_string(total_) + "] ";
    for (const std::string& note : outcome.notes) Line(counter, outcome.file + ": note: " + note);
    if (!outcome.sameAs.empty()) {
        if (!terminal_) Line(counter, outcome.file + ": the record of " + outcome.sameAs + ", not loaded again");
    } else if (!outcome.ok) {
        Line(counter, "error: " + FailureLine(outcome));
    } else if (!terminal_) {
        std::string line = outcome.file + ": ";
        if (outcome.written.empty()) line += "read";
        for (std::size_t i = 0; i < outcome.written.size(); ++i) line += (i == 0 ? "wrote " : ", ") + outcome.written[i];
        Line(counter, line);
    }
    if (terminal_) DrawBar();
    else out_ << std::flush;
}

void ProgressDisplay::Finish() {
    if (terminal_) ClearBar();
    out_ << std::flush;
}

}  // namespace tremblo
