#include "app/batch/batch_options.h"

#include "record/acceleration_units.h"
#include "record/agency_reading.h"
#include "record/agency_text_units.h"
#include "stations/station_xml.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <iostream>
#include <map>

#include "app/batch/batch_version.h"
#include "pipeline/file_list.h"
#include "app/batch/target_options.h"
#include "common/escaped_text.h"
#include "event/event_column_number.h"
#include "event/map_colouring.h"
#include "wave/start_point.h"

namespace tremblo {

namespace {

constexpr std::array<int, 6> kSpans{5, 10, 25, 50, 100, 250};

// "auto" or a whole number of at least 0.
std::string CheckStart(const std::string& text) {
    if (text == "auto") return {};
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return "--start takes auto or a sample number (0 or more), not '" + text + "'";
    return {};
}

// "auto", or one or three decimal amplitudes above 0 separated by commas.
std::optional<std::vector<float>> ParseAmplitudes(const std::string& text) {
    if (text == "auto") return std::vector<float>{};
    std::vector<float> values;
    std::size_t begin = 0;
    while (true) {
        const std::size_t end = text.find(',', begin);
        const auto value = ParseWholeDecimal(text.substr(begin, end - begin));
        if (!value || !(*value > 0.0f)) return std::nullopt;
        values.push_back(*value);
        if (end == std::string::npos) break;
        begin = end + 1;
    }
    if (values.size() != 1 && values.size() != 3) return std::nullopt;
    return values;
}

std::string CheckAmplitudes(const std::string& text) {
    if (ParseAmplitudes(text)) return {};
    return "--amplitude takes auto, one amplitude for every row or three (A,B,C), not '" + text + "'";
}

// The damping ratios of the x1 row, in per cent, as --dampings lists them.
constexpr std::array<int, DAMPING_COUNT> kDampingPercents{0, 1, 2, 5, 10};

// A comma-separated subset of 0,1,2,5,10; nothing for any other text.
std::optional<std::array<bool, DAMPING_COUNT>> ParseDampings(const std::string& text) {
    std::array<bool, DAMPING_COUNT> enabled{};
    std::size_t begin = 0;
    while (true) {
        const std::size_t end = text.find(',', begin);
        const std::string item = text.substr(begin, end - begin);
        bool known = false;
        for (std::size_t k = 0; k < kDampingPercents.size(); ++k) {
            if (item == std::to_string(kDampingPercents[k])) {
                enabled[k] = true;
                known = true;
            }
        }
        if (!known) return std::nullopt;
        if (end == std::string::npos) break;
        begin = end + 1;
    }
    return enabled;
}

std::string CheckDampings(const std::string& text) {
    if (ParseDampings(text)) return {};
    return "--dampings takes damping ratios from 0,1,2,5,10 (per cent) separated by commas, not '" +
           text + "'";
}

// The spectrum options, with the spectrum window's defaults.
struct SpectrumOptionTexts {
    std::string layout = "component", quantity = "sv", xAxis = "log", xUnit = "s", yAxis = "log",
                dampings = "0,1,2,5,10";
    int component = 1, lineWidth = 2, multiplier = 1, periodLimit = 2;
    bool noColors = false;
};

void AddSpectrumOptions(CLI::App& app, SpectrumOptionTexts& t, bool& sdsaFull) {
    app.add_option("--spectrum-layout", t.layout,
                   "spectrum picture: SA, SV, SD of one component, or one quantity of every component")
        ->check(CLI::IsMember({"component", "response"}))
        ->capture_default_str();
    app.add_option("--spectrum-component", t.component, "component of the per-component layout and the Sa-Sd picture")
        ->check(CLI::IsMember({1, 2, 3}))
        ->capture_default_str();
    app.add_option("--spectrum-quantity", t.quantity, "quantity of the per-response layout")
        ->check(CLI::IsMember({"sa", "sv", "sd"}))
        ->capture_default_str();
    app.add_option("--x-axis", t.xAxis, "scale of the spectrum's horizontal axis")
        ->check(CLI::IsMember({"log", "linear"}))
        ->capture_default_str();
    app.add_option("--x-unit", t.xUnit, "period (s) or frequency (hz) on the horizontal axis")
        ->check(CLI::IsMember({"s", "hz"}))
        ->capture_default_str();
    app.add_option("--y-axis", t.yAxis, "scale of the spectrum's vertical axis")
        ->check(CLI::IsMember({"log", "linear"}))
        ->capture_default_str();
    app.add_option("--dampings", t.dampings,
                   "curves drawn: damping ratios of the x1 row in per cent (0,1,2,5,10), separated by commas")
        ->check(CLI::Validator(CheckDampings, "LIST"))
        ->capture_default_str();
    app.add_flag("--no-damping-colors", t.noColors, "draw every spectrum curve in black");
    app.add_option("--line-width", t.lineWidth, "line width of the spectrum and Sa-Sd curves")
        ->check(CLI::Range(1, 10))
        ->capture_default_str();
    app.add_option("--damping-multiplier", t.multiplier, "damping ratios x1 (0-10 %), x5 or x10")
        ->check(CLI::IsMember({1, 5, 10}))
        ->capture_default_str();
    app.add_option("--period-limit", t.periodLimit, "longest period of a linear period axis, in seconds")
        ->check(CLI::IsMember({2, 5, 10}))
        ->capture_default_str();
    app.add_flag("--sdsa-full", sdsaFull, "Sa-Sd picture with the full curve over the displacement-adjusted one");
}

void ApplySpectrumOptions(const SpectrumOptionTexts& t, BatchOptions& o) {
    SpectrumDisplaySettings& s = o.spectrum;
    s.layout = t.layout == "response" ? SpectrumLayout::PerResponse : SpectrumLayout::PerComponent;
    s.component = t.component - 1;
    s.quantity = t.quantity == "sa" ? SA : t.quantity == "sd" ? SD : SV;
    s.linearX = t.xAxis == "linear";
    s.frequencyX = t.xUnit == "hz";
    s.linearY = t.yAxis == "linear";
    s.dampingEnabled = *ParseDampings(t.dampings);
    s.colorByDamping = !t.noColors;
    s.lineWidth = t.lineWidth;
    o.dampingMultiplier = t.multiplier == 10  ? DampingMultiplier::Times10
                          : t.multiplier == 5 ? DampingMultiplier::Times5
                                              : DampingMultiplier::Times1;
    o.periodLimit = t.periodLimit == 10  ? LinearPeriodRange::Seconds10
                    : t.periodLimit == 5 ? LinearPeriodRange::Seconds5
                                         : LinearPeriodRange::Seconds2;
}

bool AppendFileList(const std::string& list, std::istream& standardInput, std::vector<std::string>& files,
                    std::ostream& err) {
    FileList listed = ReadFileListFrom(list, standardInput);
    if (!listed.error.empty()) {
        err << "--files-from: cannot read " << (list == "-" ? "standard input" : EscapedText(list)) << ": " << listed.error
            << "\nRun with --help for more information.\n";
        return false;
    }
    files.insert(files.end(), std::make_move_iterator(listed.files.begin()),
                 std::make_move_iterator(listed.files.end()));
    return true;
}

// --map-column: a column the map can be coloured by, with --map; a measure's
// only when the records are read with --measures.
bool MapColumnUsable(const BatchOptions& o, bool given, std::ostream& err) {
    std::optional<EventColumn> column;
    if (!MapColumnOfKey(o.mapColumn, column)) {
        err << "--map-column: no numeric column of the event window is called " << EscapedText(o.mapColumn)
            << " (jma_class, or one of:";
        for (const EventColumn known : EventColumnsInTableOrder())
            if (IsNumericEventColumn(known)) err << ' ' << EventColumnKey(known);
        err << ")\n";
        return false;
    }
    if (given && o.mapFile.empty()) {
        err << "--map-column needs --map\n";
        return false;
    }
    if (column && MeasureIndexOf(*column) && !o.measures) {
        err << "--map-column " << o.mapColumn << " needs --measures\n";
        return false;
    }
    return true;
}

}  // namespace

std::optional<int> TimeSpanIndex(int seconds) {
    for (std::size_t i = 0; i < kSpans.size(); ++i)
        if (kSpans[i] == seconds) return static_cast<int>(i);
    return std::nullopt;
}

ParsedCommandLine ParseBatchCommandLine(int argc, const char* const* argv, std::ostream& out,
                                        std::ostream& err) {
    return ParseBatchCommandLine(argc, argv, out, err, std::cin);
}

ParsedCommandLine ParseBatchCommandLine(int argc, const char* const* argv, std::ostream& out,
                                        std::ostream& err, std::istream& standardInput,
                                        const BeforeReadingFiles& beforeReading) {
    CLI::App app{
        "TREMBLO 4.2 batch front end: loads strong-motion records as the file command does and "
        "writes the waveform CSV and picture (PNG), the response spectrum CSV and picture and "
        "the Sa-Sd picture of each, named as the windows name them.",
        "tremblo-batch"};
    app.set_version_flag("--version", BatchVersionText());

    BatchOptions o;
    std::string oscillatorName = "newmark";
    std::string format, start = "auto", quantity = "acc", amplitude = "auto";
    bool noTitle = false, noDataCount = false, noMax = false, noMaxPoint = false;
    int components = 3, span = 50;
    bool noDc = false;
    app.add_option("FILE", o.files,
                   "record files; for three components any one component file of each record; also "
                   ".gz component files and archives (.tar, .tar.gz, .tgz), read in memory");
    std::string filesFrom;
    app.add_option("--files-from", filesFrom,
                   "also the record files named in LIST, one per line (- reads standard input)")
        ->type_name("LIST");
    app.add_option("--out", o.outFolder, "folder for the files written (created when missing)")
        ->capture_default_str();
    app.add_option("--format", format,
                   "record format: auto (recognised from each file's content, the default), knet, hiroshima, cdpc, "
                   "peer, cosmos, csmip, smc, esm, geonet, knet-csv, sac or mseed")
        ->check(CLI::IsMember({"auto", "knet", "hiroshima", "cdpc", "peer", "cosmos", "csmip", "smc", "esm", "geonet",
                               "knet-csv", "sac", "mseed"}));
    std::vector<std::string> exports;
    app.add_option("--export", exports,
                   "write every record in another program's format as well: at2 (PEER NGA, one NAME_LABEL.AT2 "
                   "per component, in g), sac (binary SAC, one NAME_LABEL.sac per component, in gal), mseed "
                   "(NAME.mseed, float32 in gal, with its StationXML NAME.xml)")
        ->check(CLI::IsMember({"at2", "sac", "mseed"}));
    app.add_option("--inventory", o.inventoryFiles,
                   "StationXML file (or folder of *.xml files) giving the sensitivity, position and orientation of "
                   "the channels of miniSEED files; may be given more than once")
        ->type_name("FILE")
        ->allow_extra_args(false);
    app.add_flag("--differentiate-velocity", o.differentiateVelocity,
                 "read miniSEED channels of velocity sensors too, differentiated into acceleration (central differences)");
    std::string units;
    app.add_option("--units", units,
                   "unit of the values of files that do not state it (SAC files whose IDEP is unknown): gal, m/s2, "
                   "nm/s2 or g")
        ->check(CLI::IsMember({"gal", "m/s2", "nm/s2", "g"}));
    app.add_option("--components", components, "1: only the given file; 3: all three components")
        ->check(CLI::IsMember({1, 3}))
        ->capture_default_str();
    app.add_flag("--no-dc", noDc, "keep the DC component: no mean removal at load (K-NET/KiK-net) nor before integrating");
    app.add_option("--start", start, "window start: auto (first strong motion) or a sample number")
        ->check(CLI::Validator(CheckStart, "auto|N"))
        ->capture_default_str();
    app.add_option("--span", span, "time span of the window in seconds")
        ->check(CLI::IsMember({5, 10, 25, 50, 100, 250}))
        ->capture_default_str();
    app.add_option("--quantity", quantity, "quantity of the waveform CSV and picture")
        ->check(CLI::IsMember({"acc", "vel", "disp"}))
        ->capture_default_str();
    app.add_option("--amplitude", amplitude,
                   "amplitude at the top of the rows: auto, A for every row, or A,B,C row by row")
        ->check(CLI::Validator(CheckAmplitudes, "auto|A|A,B,C"))
        ->capture_default_str();
    app.add_flag("--no-title", noTitle, "picture without the title line");
    app.add_flag("--no-data-count", noDataCount, "picture without the data range");
    app.add_flag("--no-max", noMax, "picture without the maximum values");
    app.add_flag("--no-max-point", noMaxPoint, "picture without the marks at the maxima");
    SpectrumOptionTexts spectrum;
    AddSpectrumOptions(app, spectrum, o.sdsaFull);
    TargetOptionTexts targets;
    AddTargetOptions(app, targets);
    app.add_option("--import-stations", o.importStations,
                   "merge NIED's station list (its English CSV) into the station directory of the "
                   "user's data folder; record files may then be left out");
    app.add_option("--superpose", o.superposeFile,
                   "draw the chosen spectrum item of every record into one superposed graph (seven "
                   "records a picture: FILE.png, FILE_2.png, ...), in the order of the files");
    app.add_option("--azimuth", o.azimuths,
                   "also write each three-component record's horizontal component in this azimuth "
                   "(degrees, north 0, east 90) as a K-NET file NAME.DDD (repeatable)")
        ->allow_extra_args(false);
    app.add_flag("--info", o.info,
                 "print each record's header values, window and peaks as JSON, one object per "
                 "line; files are written only when --out is given too");
    app.add_option("--summary", o.summaryFile,
                   "write one CSV row per record (UTF-8): header values, PGA/PGV/PGD, JMA intensity, "
                   "5 % SA at 0.1-5 s; files are written only when --out is given too");
    app.add_option("--map", o.mapFile,
                   "draw the stations of the records on a map coloured by JMA intensity, with the "
                   "epicentre, as the event window shows it (PNG); files are written only when --out is given too");
    app.add_option("--map-column", o.mapColumn,
                   "the column of the event window that colours the stations of --map: jma_class (the "
                   "intensity classes) or a numeric one (pga_max, pgv_horizontal, distance_km, jma_intensity, "
                   "sa02_horizontal, sa10_horizontal, c1_pga_gal ..., and with --measures c1_arias ..., "
                   "si_horizontal, pga_rotd50 ...)")
        ->capture_default_str();
    app.add_flag("--rotd", o.rotd,
                 "RotD50/RotD100 of the two horizontal components: NAMErotd.csv, and columns of --summary");
    app.add_option("--oscillator", oscillatorName,
                   "the oscillator of every response spectrum: newmark (the linear-acceleration "
                   "recurrence, sub-stepped on records coarser than 100 Hz) or exact (the exact "
                   "response to the record taken as linear between samples)")
        ->check(CLI::IsMember({"newmark", "exact"}))
        ->capture_default_str();
    app.add_flag("--pseudo", o.pseudo,
                 "pseudo-spectral values: the spectral columns of --summary (and their RotD) become "
                 "PSA = (2 pi / T)^2 SD, and NAMEpsa.csv holds PSA and PSV");
    app.add_flag("--spectra-table", o.spectraTable,
                 "NAMEspectra.csv: one row per component, damping ratio and period with SA, SV, SD, "
                 "PSA and PSV at full precision");
    app.add_flag("--fas", o.fas,
                 "Fourier amplitude spectra of the spectrum window, raw and Konno-Ohmachi smoothed: "
                 "NAMEfas.csv and NAMEfas.png (the Fourier window's picture)");
    app.add_flag("--hv", o.hv, "with --fas (which it implies): the column HV, sqrt((NS^2 + EW^2) / 2) / UD of "
                               "the smoothed spectra, in NAMEfas.csv");
    app.add_option("--ko-bandwidth", o.koBandwidth, "bandwidth b of the Konno-Ohmachi window")
        ->check(FiniteRange(1.0, 100.0, "--ko-bandwidth", "a bandwidth"))
        ->capture_default_str();
    app.add_flag("--fas-taper", o.fasTaper, "a 5 % cosine taper at each end of the window before the transform");
    app.add_flag("--borehole-ratio", o.boreholeRatio,
                 "for KiK-net records whose surface (X.NS2) and borehole (X.NS1) series are both given: "
                 "NAMEratio.csv, the smoothed surface spectra over the borehole ones");
    app.add_flag("--measures", o.measures,
                 "intensity measures over the whole record: per component the Arias intensity, D5-75, D5-95, "
                 "CAV, CAV5, CAVstd, the bracketed duration, Housner's SI and the SI value; for the two "
                 "horizontal components the SI value of the horizontal motion and RotD50/RotD100 of PGA, PGV "
                 "and PGD: columns of --summary and values of --info");
    app.add_option("--bracket-threshold", o.bracketThresholdG, "threshold of the bracketed duration of --measures, in g")
        ->check(FiniteRange(0.0001, 10.0, "--bracket-threshold", "an acceleration in g"))
        ->capture_default_str();
    app.add_flag("--husid", o.husid,
                 "NAMEhusid.csv and NAMEhusid.png: the normalised Husid curve of every component over the whole "
                 "record, its 5, 75 and 95 % times marked");
    app.add_option("--jobs", o.jobs, "records processed at once (default: all cores)")
        ->check(CLI::PositiveNumber);
    app.add_option("--data", o.dataFolder,
                   "folder of the station directory (SITENAME.CSV, SHOBONAME.CSV); default: DATA "
                   "in the working folder, beside the program, or installed");
    app.add_option("--lang", o.language,
                   "language of the messages: ja (Japanese) or en (English); default: the environment "
                   "variable TREMBLO_LANG, else ja")
        ->check(CLI::IsMember({"ja", "en"}));
    app.add_flag("--english-pictures", o.englishPictures,
                 "with --lang en: English titles and legends in the pictures (Japanese otherwise)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help and version exit with 0; a usage error with 64 (EX_USAGE).
        const int status = app.exit(e, out, err);
        return ParsedCommandLine{std::nullopt, status == 0 ? 0 : kUsageErrorStatus};
    }

    if (beforeReading) beforeReading(o);
    if (PrintsTarget(targets)) return ParsedCommandLine{std::nullopt, PrintTarget(targets, out, err)};
    if (!filesFrom.empty() && !AppendFileList(filesFrom, standardInput, o.files, err))
        return ParsedCommandLine{std::nullopt, kUsageErrorStatus};
    if (o.files.empty() && o.importStations.empty()) {
        err << "FILE is required (or --import-stations, --print-target)\nRun with --help for more information.\n";
        return ParsedCommandLine{std::nullopt, kUsageErrorStatus};
    }
    if (o.englishPictures && o.language != "en") {
        err << "--english-pictures needs --lang en\nRun with --help for more information.\n";
        return ParsedCommandLine{std::nullopt, kUsageErrorStatus};
    }
    if (!MapColumnUsable(o, app.count("--map-column") > 0, err)) {
        err << "Run with --help for more information.\n";
        return ParsedCommandLine{std::nullopt, kUsageErrorStatus};
    }
    o.outGiven = app.count("--out") > 0;
    o.exportAt2 = std::find(exports.begin(), exports.end(), "at2") != exports.end();
    o.exportSac = std::find(exports.begin(), exports.end(), "sac") != exports.end();
    o.exportMseed = std::find(exports.begin(), exports.end(), "mseed") != exports.end();
    // Read once; a failure fails each miniSEED record with its reason.
    if (!o.inventoryFiles.empty())
        o.inventory = std::make_shared<const Result<StationInventory>>(ReadStationXmlPaths(o.inventoryFiles));
    if (!units.empty()) o.galPerUnstatedUnit = GalPerUnitNamed(units);
    for (const RecordFormat known : kAllRecordFormats)
        if (format == FormatOptionName(known)) o.format = known;
    o.threeComponents = components == 3;
    o.removeDc = !noDc;
    if (start != "auto") o.start = std::stoi(start);
    o.timeSpanIndex = *TimeSpanIndex(span);
    o.quantity = quantity == "vel"    ? WaveQuantity::Velocity
                 : quantity == "disp" ? WaveQuantity::Displacement
                                      : WaveQuantity::Acceleration;
    o.amplitudes = *ParseAmplitudes(amplitude);
    o.display.title = !noTitle;
    o.display.dataCount = !noDataCount;
    o.display.max = !noMax;
    o.display.maxPoint = !noMaxPoint;
    ApplySpectrumOptions(spectrum, o);
    o.fas = o.fas || o.hv;
    o.oscillator = *ParseOscillatorMethod(oscillatorName);
    o.spectrum.pseudo = o.pseudo;  // the spectrum, Sa-Sd and superposed pictures show PSA and PSV
    auto loaded = LoadTargets(targets, err);
    if (!loaded) return ParsedCommandLine{std::nullopt, kUsageErrorStatus};
    o.spectrum.targets = std::move(*loaded);
    return ParsedCommandLine{std::move(o), 0};
}

}  // namespace tremblo
