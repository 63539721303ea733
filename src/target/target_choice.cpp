#include "target/target_choice.h"

#include <algorithm>

#include "common/format.h"
#include "common/translation.h"
#include "target/target_table_file.h"

namespace tremblo {

Result<TargetSpectrum> TargetOfName(const std::string& name, double zone) {
    if ((name == kBslSafetyName || name == kBslDamageName) && !IsZoneCoefficient(zone))
        return ReadError(0, StringPrintf(TrText("target", "地震地域係数 Z は %.1f から %.1f の値にしてください").c_str(), MIN_ZONE, MAX_ZONE),
                         TrText("target", kTargetCaption));
    if (name == kBslSafetyName) return BuiltInTarget(BslLimit::Safety, zone);
    if (name == kBslDamageName) return BuiltInTarget(BslLimit::Damage, zone);
    return ReadTargetFile(name);
}

void MakeKeysDistinct(std::vector<TargetSpectrum>& targets) {
    std::vector<std::string> taken;
    for (TargetSpectrum& target : targets) {
        const std::string base = target.key;
        for (int n = 2; std::find(taken.begin(), taken.end(), target.key) != taken.end(); ++n)
            target.key = StringPrintf("%s_%d", base.c_str(), n);
        taken.push_back(target.key);
    }
}

std::vector<TargetSpectrum> TargetSelection::Targets() const {
    std::vector<TargetSpectrum> targets;
    if (safety) targets.push_back(BuiltInTarget(BslLimit::Safety, zone));
    if (damage) targets.push_back(BuiltInTarget(BslLimit::Damage, zone));
    targets.insert(targets.end(), files.begin(), files.end());
    if (static_cast<int>(targets.size()) > MAX_TARGETS) targets.resize(MAX_TARGETS);
    MakeKeysDistinct(targets);
    return targets;
}

std::string TooManyTargetsText() {
    return StringPrintf(TrText("target", "目標スペクトルは %d つまで選べます。\n消去してから選び直してください。").c_str(), MAX_TARGETS);
}

}  // namespace tremblo
