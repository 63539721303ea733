#include "input/archive_handle.h"

#include <array>

#include "input/library_reasons.h"

namespace tremblo {

std::string ArchiveErrorText(archive* handle) {
    const char* text = archive_error_string(handle);
    return LibraryReasonText(text ? text : "unknown error");
}

Result<std::string> ReadEntryContent(archive* handle, std::size_t limit) {
    std::string content;
    std::array<char, 1 << 16> block;
    while (true) {
        const la_ssize_t read = archive_read_data(handle, block.data(), block.size());
        if (read < 0) return ReadError(0, ArchiveErrorText(handle));
        if (read == 0) return content;
        if (content.size() + static_cast<std::size_t>(read) > limit)
            return ReadError(0, "larger than " + std::to_string(limit >> 20) + " MiB");
        content.append(block.data(), static_cast<std::size_t>(read));
    }
}

}  // namespace tremblo
