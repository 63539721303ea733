#include "app/batch/summary_writer.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tremblo {

namespace {
// Rows are gathered up to this many bytes before they are written.
constexpr std::size_t kFlushBytes = 64 * 1024;
}  // namespace

SummaryWriter::~SummaryWriter() { Discard(); }

void SummaryWriter::Discard() {
    if (file_.fd < 0) return;
    ::close(file_.fd);
    std::remove(file_.name.c_str());
    ForgetTemporary(file_);
    file_ = TemporaryFile{};
}

bool SummaryWriter::Open(const std::string& path, const std::string& header) {
    const std::optional<TemporaryFile> temp = CreateTemporaryBeside(path);
    if (!temp) {
        failure_ = std::strerror(errno);
        return false;
    }
    file_ = *temp;
    path_ = path;
    error_ = 0;
    failure_.clear();
    pending_.clear();
    Write(header);
    return true;
}

void SummaryWriter::Write(const std::string& row) {
    if (file_.fd < 0 || error_ != 0) return;
    pending_ += row;
    if (pending_.size() >= kFlushBytes) Flush();
}

void SummaryWriter::Flush() {
    if (error_ == 0) error_ = WriteAll(file_.fd, pending_, write_);
    pending_.clear();
}

bool SummaryWriter::Finish() {
    if (file_.fd < 0) return false;
    Flush();
    int error = error_;
    if (::close(file_.fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(file_.name.c_str(), path_.c_str()) != 0) error = errno;
    if (error != 0) std::remove(file_.name.c_str());
    ForgetTemporary(file_);
    file_ = TemporaryFile{};
    if (error == 0) return true;
    failure_ = std::strerror(error);
    return false;
}

}  // namespace tremblo
