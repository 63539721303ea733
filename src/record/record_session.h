#pragma once
// The loading pipeline: the file command and its three format branches. A
// load works on a second, preallocated record and publishes it only when the
// whole load succeeded, so a failed load leaves the record, its labels and
// every path exactly as they were.
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/path_text.h"
#include "common/platform.h"
#include "common/translation.h"
#include "input/record_file_source.h"
#include "record/agency_channel.h"
#include "record/inventory_finder.h"
#include "record/record_labels.h"
#include "record/seismic_record.h"
#include "stations/station_directory.h"

namespace tremblo {

struct LoadSettings {
    RecordFormat format = RecordFormat::Knet;
    // 自動判別: the format is recognised from each chosen file's content
    // (`format` is then not used).
    bool threeComponents = true;  // 3成分読込
    bool removeDc = true;         // DC除去 (K-NET/KiK-net only)
    bool automatic = false;
    // Agency files holding several sets of components: the one to read
    // (0-based). A path "FILE#N" that names no file reads set N of FILE.
    int componentSet = 0;
    // Gal per unit of files that do not state their values' unit (SAC with
    // IDEP unknown): the batch's --units; without it the user is asked
    // (the console platform of the batch cancels, and the file is refused).
    std::optional<double> galPerUnstatedUnit = std::nullopt;
    // miniSEED: the station inventory given (the batch's --inventory, read
    // once for the run, or why it could not be); without it a miniSEED
    // file is refused. With `findInventory` (the windows) one beside the
    // data comes first, then the one given, else the user chooses one (see
    // inventory_finder.h).
    SharedInventory inventory = nullptr;
    bool findInventory = false;
    // miniSEED: velocity sensors differentiated into acceleration
    // (--differentiate-velocity); refused without it.
    bool differentiateVelocity = false;
};

enum class LoadStatus { Loaded, Cancelled, Failed };

// The filter of the open-file dialog, the same for every format.
// (TrText("record", ...) names the kinds of file in the language in use.)
inline constexpr const char* kRecordFileFilter = QT_TRANSLATE_NOOP(
    "record", "地震ﾌｧｲﾙ(.*.ns*)|*.ns*|地震ﾌｧｲﾙ(*.ew*)|*.ew*|地震ﾌｧｲﾙ(,*.ud*)|*.ud*|すべて(*.*)|*.*");

class RecordSession {
public:
    // Designs the band-pass filter for a record's sampling interval.
    using FilterDesigner = std::function<void(float dt, std::span<float, BANDPASS_TAPS> h)>;

    RecordSession(Platform& platform, const StationDirectory& directory);

    void setFilterDesigner(FilterDesigner designer) { designFilter_ = std::move(designer); }
    // Folder listings to search for component files whose names differ in
    // case (a batch shares one); each load lists the folder itself without.
    void setFolderListings(FolderListings* listings) { disk_ = DiskFileSource(listings); }
    // Where the next loads read their files (the members of an archive, say);
    // nullptr: plain files on disk. The source must outlive those loads.
    void setFileSource(RecordFileSource* source) { source_ = source ? source : &disk_; }

    // Back to the state at start-up (no record, the start-up labels), keeping
    // the trace buffers: a batch worker starts every record this way.
    void Reset();

    // The file command: asks for a file with the open dialog, then loads it.
    LoadStatus OpenWithDialog(const LoadSettings& settings);
    // Loads the record of which `path` is one component file.
    LoadStatus LoadPath(const std::string& path, const LoadSettings& settings);

    SeismicRecord& record() { return *current_; }
    const SeismicRecord& record() const { return *current_; }
    const RecordLabels& labels() const { return labels_; }
    // The file-format menu writes the file label.
    void setFileLabel(std::string text) { labels_.label14 = std::move(text); }

    // Format of the last completed load (the one recognised, with 自動判別).
    RecordFormat loadedFormat() const { return loadedFormat_; }
    // The station-name copy suits a K-NET/KiK-net record whose station is known.
    bool stationFileCopyAvailable() const;

private:
    bool LoadKnet(const std::string& path, const LoadSettings& settings);
    bool LoadHiroshimaOrCdpc(const std::string& path, const LoadSettings& settings);
    bool ReadCdpcIntervals();
    bool LoadAgency(const std::string& path, RecordFormat format, const LoadSettings& settings);
    std::optional<double> UnitOfValues(const std::string& path, RecordFormat format, const LoadSettings& settings);
    // How the files of the record are read; nothing (and the reason said)
    // when a miniSEED file's inventory cannot be had.
    std::optional<AgencyReadOptions> AgencyOptions(const std::string& chosen, RecordFormat format,
                                                   const LoadSettings& settings);
    bool BelongsWith(const std::string& chosen, const std::string& key, RecordFormat format,
                     const std::string& candidate);
    bool ReadHiroshimaHeaderInto(const std::string& path);
    using ComponentValues = std::array<std::vector<float>, MAX_COMPONENTS>;
    bool ReadComponentSamples(int c, RecordFormat format, float scaleFactor, std::vector<float>& values);
    bool ReadKnetComponentHeader(int c, const struct KnetHeader& first, struct KnetHeader& own);
    bool CheckKnetDuration(int c, const struct KnetHeader& header, std::size_t count);
    bool CheckHiroshimaComponentHeader(int c);
    bool CheckEqualCounts(const ComponentValues& values);
    bool StoreComponents(const ComponentValues& values);
    bool ReportComponentsDiffer(int c, const std::string& reason);
    std::string Shown(int c) const;  // component c's path as messages name it
    void DesignFilter();
    std::optional<std::string> NoRecordFileMessage(const std::string& path, const LoadSettings& settings);
    bool ReportCannotOpen(const std::string& path);
    bool ReportBadContent(const std::string& path, const struct ReadError& error);

    Platform& platform_;
    const StationDirectory& directory_;
    FilterDesigner designFilter_;
    DiskFileSource disk_;
    RecordFileSource* source_ = &disk_;
    std::unique_ptr<SeismicRecord> current_, staged_;
    RecordLabels labels_, stagedLabels_;
    RecordFormat loadedFormat_ = RecordFormat::Knet;
    InventoryFinder inventoryFinder_;
    SharedInventory inventory_;  // of the load under way
};

}  // namespace tremblo
