#pragma once
// The --summary file, written row by row as records finish (in their order)
// into a temporary file beside it, which replaces the named file only when
// the whole table is written: an interrupted run leaves an earlier summary
// intact.
#include <cstdio>
#include <string>

namespace tremblo {

class SummaryWriter {
public:
    SummaryWriter() = default;
    ~SummaryWriter();
    SummaryWriter(const SummaryWriter&) = delete;
    SummaryWriter& operator=(const SummaryWriter&) = delete;

    // Starts the table with its header line; false when no file can be made beside `path`.
    bool Open(const std::string& path, const std::string& header);
    bool isOpen() const { return file_ != nullptr; }
    void Write(const std::string& row);
    // Puts the table in place; false (nothing replaced) after any write error.
    bool Finish();

private:
    std::string path_, temporary_;
    std::FILE* file_ = nullptr;
};

}  // namespace tremblo
