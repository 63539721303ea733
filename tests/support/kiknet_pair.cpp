#include "support/kiknet_pair.h"

#include "support/scripted_platform.h"

namespace tremblo::testing {

KikNetPair WriteKikNetPair(const TempFolder& folder) {
    const std::string base = "AIC0012411051012";
    KikNetPair pair;
    for (const char* component : {"NS", "EW", "UD"}) {
        const std::string text = ReadWholeFile(SamplePath("samples/knet/" + base + "." + component));
        std::string deep = text;
        const std::string factor = "Scale Factor      3920(gal)";
        const std::size_t at = deep.find(factor);
        if (at != std::string::npos) deep.replace(at, factor.size(), "Scale Factor       980(gal)");
        const std::string surface = folder.Write("kik/" + base + "." + component + "2", text);
        const std::string borehole = folder.Write("kik/" + base + "." + component + "1", deep);
        if (std::string(component) == "NS") pair = {surface, borehole};
    }
    return pair;
}

}  // namespace tremblo::testing
