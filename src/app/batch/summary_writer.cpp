#include "app/batch/summary_writer.h"

#include <unistd.h>

#include "common/atomic_file.h"

namespace tremblo {

SummaryWriter::~SummaryWriter() {
    if (file_ == nullptr) return;
    std::fclose(file_);
    std::remove(temporary_.c_str());
}

bool SummaryWriter::Open(const std::string& path, const std::string& header) {
    const std::optional<TemporaryFile> temp = CreateTemporaryBeside(path);
    if (!temp) return false;
    file_ = fdopen(temp->fd, "wb");
    if (file_ == nullptr) {
        ::close(temp->fd);
        std::remove(temp->name.c_str());
        return false;
    }
    path_ = path;
    temporary_ = temp->name;
    Write(header);
    return true;
}

void SummaryWriter::Write(const std::string& row) {
    if (file_ != nullptr) std::fwrite(row.data(), 1, row.size(), file_);
}

bool SummaryWriter::Finish() {
    if (file_ == nullptr) return false;
    const bool written = std::ferror(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (written && closed && std::rename(temporary_.c_str(), path_.c_str()) == 0) return true;
    std::remove(temporary_.c_str());
    return false;
}

}  // namespace tremblo
