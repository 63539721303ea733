#pragma once
// The --summary file, written row by row as records finish (in their order)
// into a temporary file beside it, which replaces the named file only when
// the whole table is written: an interrupted run leaves an earlier summary
// intact.
#include <unistd.h>

#include <string>

#include "common/atomic_file.h"

namespace tremblo {

class SummaryWriter {
public:
    // `write` writes the bytes (::write; another in tests).
    explicit SummaryWriter(WriteFunction write = ::write) : write_(write) {}
    ~SummaryWriter();
    SummaryWriter(const SummaryWriter&) = delete;
    SummaryWriter& operator=(const SummaryWriter&) = delete;

    // Starts the table with its header line; false when no file can be made beside `path`.
    bool Open(const std::string& path, const std::string& header);
    bool isOpen() const { return file_.fd >= 0; }
    void Write(const std::string& row);
    // Puts the table in place; false (nothing replaced) after any write error.
    bool Finish();
    // Why Open or Finish failed, in the system's words ("No space left on device").
    const std::string& failure() const { return failure_; }

private:
    void Flush();
    void Discard();

    WriteFunction write_;
    std::string path_;
    TemporaryFile file_;
    std::string pending_;  // rows not yet written
    int error_ = 0;        // errno of the first failed write
    std::string failure_;
};

}  // namespace tremblo
