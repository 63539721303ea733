#pragma once
// What the record pipeline makes of each record: the windows' settings, with
// the windows' defaults, as the batch's options and the event window set them.
#include <optional>
#include <string>
#include <vector>

#include "record/inventory_finder.h"
#include "record/seismic_record.h"
#include "spectrum/damping_ratios.h"
#include "spectrum/oscillator_method.h"
#include "spectrum/spectrum_display.h"
#include "wave/bracketed_duration.h"
#include "wave/waveform_drawing.h"
#include "wave/waveform_preparation.h"

namespace tremblo {

struct PipelineSettings {
    std::vector<std::string> files;       // with those of --files-from after them
    std::string outFolder = ".";
    bool outGiven = false;                // --out was on the command line
    std::optional<RecordFormat> format;   // recognised per file when absent
    bool threeComponents = true;          // --components 3
    bool removeDc = true;                 // off with --no-dc
    std::optional<int> start;             // --start N; automatic when absent
    int timeSpanIndex = 3;                // --span 50
    WaveQuantity quantity = WaveQuantity::Acceleration;
    // --amplitude: the amplitude at the top of each row's band, one value for
    // every row (1ch指定) or one per row; automatic when empty.
    std::vector<float> amplitudes;
    WaveDisplayOptions display;           // --no-title, --no-data-count, --no-max, --no-max-point
    // The spectrum window's controls and the menu 表示単位: --spectrum-layout,
    // --spectrum-component, --spectrum-quantity, --x-axis, --x-unit,
    // --y-axis, --dampings, --no-damping-colors, --line-width; the targets
    // of --target and --zone, drawn and reported in --summary.
    SpectrumDisplaySettings spectrum;
    DampingMultiplier dampingMultiplier = DampingMultiplier::Times1;  // --damping-multiplier
    LinearPeriodRange periodLimit = LinearPeriodRange::Seconds2;      // --period-limit
    bool sdsaFull = false;                // --sdsa-full: 変位調整 cleared
    std::string superposeFile;            // --superpose: one superposed graph of every record
    std::string importStations;           // --import-stations: NIED's station list to merge
    std::vector<int> azimuths;            // --azimuth: horizontal components synthesised, degrees
    bool info = false;                    // --info: JSON on standard output
    bool exportAt2 = false;               // --export at2: NAME_LABEL.AT2 of every component
    bool exportSac = false;               // --export sac: NAME_LABEL.sac of every component
    std::optional<double> galPerUnstatedUnit;  // --units: of files that do not state it (SAC)
    bool exportMseed = false;             // --export mseed: NAME.mseed and its StationXML NAME.xml
    std::vector<std::string> inventoryFiles;  // --inventory: StationXML files, or folders of them
    SharedInventory inventory;            // read from inventoryFiles once, or why it could not be
    bool findInventory = false;           // miniSEED without one: found beside the data (event window)
    bool differentiateVelocity = false;   // --differentiate-velocity: velocity sensors read too
    std::string summaryFile;              // --summary: one CSV row per record
    std::string mapFile;                  // --map: the stations of the records on a map (PNG)
    std::string mapColumn = "jma_class";  // --map-column: the event list's column colouring the stations
    bool rotd = false;                    // --rotd: RotD50/RotD100 (NAMErotd.csv, summary columns)
    OscillatorMethod oscillator = OscillatorMethod::Newmark;  // --oscillator newmark|exact
    bool pseudo = false;                  // --pseudo: PSA in the summary, NAMEpsa.csv
    bool spectraTable = false;            // --spectra-table: NAMEspectra.csv
    bool fas = false;                     // --fas: NAMEfas.csv and NAMEfas.png (also with --hv)
    bool hv = false;                      // --hv: the HV column of NAMEfas.csv
    bool fasTaper = false;                // --fas-taper: 5 % cosine taper before the transform
    double koBandwidth = 40.0;            // --ko-bandwidth: b of the Konno-Ohmachi window
    bool boreholeRatio = false;           // --borehole-ratio: NAMEratio.csv of each KiK-net pair
    bool measures = false;                // --measures: intensity measures in --summary and --info
    double bracketThresholdG = DEFAULT_BRACKET_THRESHOLD_G;  // --bracket-threshold: of the bracketed duration, g
    bool husid = false;                   // --husid: NAMEhusid.csv and NAMEhusid.png
    int jobs = 0;                         // --jobs; <= 0: all cores
    std::string dataFolder;               // --data; empty: found as the program finds it
    std::string language;                 // --lang en|ja; empty: TREMBLO_LANG, else Japanese
    bool englishPictures = false;         // --english-pictures (with English): English titles drawn
};

// Whether the usual files (CSV, pictures) are written: always, except that
// --info, --summary or --map alone writes only what it asks for, unless --out is given.
inline bool WritesRecordFiles(const PipelineSettings& o) {
    return (!o.info && o.summaryFile.empty() && o.mapFile.empty() && !o.exportAt2 && !o.exportSac && !o.exportMseed) || o.outGiven;
}

}  // namespace tremblo
