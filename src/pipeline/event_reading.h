#pragma once
// Reads the records of an event in the background through the batch's
// record pipeline (every core): each record gives its row of the summary
// table, exactly as `tremblo-batch --summary` writes it, and what is needed
// to open it again (from memory when it lies in an archive). The caller
// takes the rows as they come, in the order of the records, and may stop
// the reading at any time.
#include <atomic>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "record/seismic_record.h"
#include "stations/station_directory.h"

namespace tremblo {

// Where a record's files are read from when it is opened again.
enum class RecordOrigin { PlainFiles, GzipFiles, Archive };

struct EventRecord {
    std::string summaryLine;  // its row of the summary table, CR LF ended
    std::string file;         // as the summary names it (ARCHIVE:MEMBER inside archives)
    std::string loadPath;     // the path the loader is handed
    RecordFormat format = RecordFormat::Knet;
    RecordOrigin origin = RecordOrigin::PlainFiles;
    std::string archive;                   // the archive file (RecordOrigin::Archive)
    std::vector<std::string> memberNames;  // the record's members in it
    bool failed = false;
};

struct EventProgress {
    std::size_t done = 0;      // records with an outcome (rows given, also failed ones)
    std::size_t expected = 0;  // records known so far (archives add theirs as they are read)
    double fraction = 0.0;     // of the input's bytes read (an archive's as it streams)
    std::size_t skipped = 0;   // files and members that are not record files
    bool finished = false;     // every record has its outcome (or the reading was stopped)
    bool stopped = false;
    std::string error;         // why the input gives no records (nothing else is read)
};

// The header line of the rows the reading gives, with the columns of
// --measures or without.
std::string EventSummaryHeader(bool withMeasures = false);

class EventReading {
public:
    // Starts reading `path` (an archive, a folder or a list of files) with a
    // copy of the station directory. workers <= 0: one per core. With
    // `withMeasures` the rows have the columns of --measures.
    // `inventoryFiles`: StationXML for miniSEED files with none beside them.
    EventReading(std::string path, const StationDirectory& directory, int workers = 0, bool withMeasures = false,
                 std::vector<std::string> inventoryFiles = {});
    ~EventReading();  // stops and waits for the threads
    EventReading(const EventReading&) = delete;
    EventReading& operator=(const EventReading&) = delete;

    // The rows that came since the last call, in the order of the records.
    std::vector<EventRecord> Take();
    EventProgress progress() const;
    // Asks the reading to end soon: records not yet processed give no row.
    void Stop();

    const std::string& path() const { return path_; }
    bool withMeasures() const { return withMeasures_; }

private:
    class Sink;
    void Run();

    std::string path_;
    std::vector<std::string> inventoryFiles_;
    std::unique_ptr<StationDirectory> directory_;
    int workers_;
    bool withMeasures_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<EventRecord> ready_;
    EventProgress progress_;
    std::jthread thread_;  // last: started when everything else is in place
};

}  // namespace tremblo
