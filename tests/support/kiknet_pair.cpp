#include "support/kiknet_pair.h"

#include "support/scripted_platform.h"
#include "support/knet_fixtures.h"

namespace tremblo::testing {

namespace {

// The K-NET header's 17 lines, then the samples.
std::size_t DataStart(const std::string& text) {
    std::size_t at = 0;
    for (int line = 0; line < 17 && at != std::string::npos; ++line) {
        at = text.find('\n', at);
        if (at != std::string::npos) ++at;
    }
    return at == std::string::npos ? text.size() : at;
}

}  // namespace

KikNetPair WriteKikNetPair(const TempFolder& folder, Borehole borehole) {
    const std::string base = "AIC0012411051012";
    const char* const components[] = {"NS", "EW", "UD"};
    std::string texts[3];
    for (int c = 0; c < 3; ++c) texts[c] = ReadWholeFile(SamplePath("samples/knet/" + base + "." + components[c]));
    KikNetPair pair;
    for (int c = 0; c < 3; ++c) {
        const std::string& text = texts[c];
        std::string deep = text;
        if (borehole == Borehole::OtherShape) {
            const std::string& next = texts[(c + 1) % 3];
            deep = text.substr(0, DataStart(text)) + next.substr(DataStart(next));
        } else {
            const std::string factor = "Scale Factor      3920(gal)";
            const std::size_t at = deep.find(factor);
            if (at != std::string::npos) deep.replace(at, factor.size(), "Scale Factor       980(gal)");
        }
        const std::string surface = folder.Write("kik/" + base + "." + components[c] + "2", text);
        const std::string deepPath = folder.Write("kik/" + base + "." + components[c] + "1", WithStatedPeak(deep));
        if (c == 0) pair = {surface, deepPath};
    }
    return pair;
}

}  // namespace tremblo::testing
