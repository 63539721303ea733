#pragma once
// One record for a batch worker: where its files are read from and how it is
// named in messages, or an outcome already known without loading it.
#include <cstdint>
#include <memory>
#include <string>

#include "input/record_file_source.h"
#include "record/seismic_record.h"

namespace tremblo {

struct RecordTask {
    std::string file;      // as messages and --info name it: the path given, or ARCHIVE:MEMBER
    std::string loadPath;  // the path the loader is handed, in the source's own names
    RecordFormat format = RecordFormat::Knet;
    std::shared_ptr<RecordFileSource> source;  // nullptr: plain files on disk
    bool inArchive = false;  // found while reading an archive (not counted ahead)
    std::string sameAs;      // an earlier file of the same record: not loaded again
    std::string failure;     // why it fails without being loaded (a damaged member)
    std::uint64_t fileBytes = 0;  // of its component files, as far as known: what its memory grows with
};

// The memory a worker may need for a record of `fileBytes` of component
// files: four times their size (measured: 2.7 times for three files of 18.5 MB
// with --summary; the buffers of the record before it may still be that
// large).
inline std::uint64_t RecordMemoryEstimate(std::uint64_t fileBytes) { return 4 * fileBytes; }

}  // namespace tremblo
