#pragma once
// How the one file the user picks names the files of all three components.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tremblo {

// K-NET/KiK-net names: the file name has a period and at most three
// characters after its first period (X.NS, X.EW2). Only the file-name part is
// judged, so periods in folder names do no harm.
bool HasShortExtension(std::string_view path);

struct KnetComponentNames {
    std::array<std::string, 3> paths;   // NS, EW, UD (only [0] with one component)
    std::array<std::string, 3> labels;  // "NS2", "EW2", "UD2" / the extension itself
};

// Requires HasShortExtension(path). Three components: base + ".ns" + suffix,
// ".ew" + suffix, ".ud" + suffix, where suffix is the upper-cased extension
// without its first two characters; one component: the path itself and its
// upper-cased extension as label.
KnetComponentNames DeriveKnetComponentNames(std::string_view path, bool threeComponents);

// Hiroshima/CDPC pair names: the path up to and including the first period
// of its file name, followed by "ns", "ew", "ud". Nothing without a period.
std::optional<std::array<std::string, 3>> DerivePairNames(std::string_view path);

// A component file's name as the readers recognise one by name: the
// extension after the first period of the file name (a ".gz" dropped) is
// NS, EW or UD, bare or followed by 1 or 2, in any letter case ("X.NS",
// "X.ew2.gz", the Hiroshima/CDPC "x.ns"). Plots ("X.NS.ps.gz"), pictures and
// text files are not.
bool IsComponentFileName(std::string_view path);

// The component's label as titles show it: the upper-cased extension after
// the first period of the file name ("x.ew" -> "EW"); "" without a period.
std::string ComponentLabelOfPath(std::string_view path);

// The file name cut at its first period (the whole name without one).
std::string FileNameWithoutExtension(std::string_view path);

// The path cut at the first period of its file name.
std::string PathWithoutExtension(std::string_view path);

// The station code a K-NET/KiK-net component file's name starts with: the
// six letters and digits before the ten digits of the origin time
// ("AIC001" of "ev/AIC0012411051012.NS"); "" for other names.
std::string KnetStationCodeOfName(std::string_view path);

}  // namespace tremblo
