#include "app/batch/target_options.h"

#include <charconv>
#include <cmath>

#include "app/batch/batch_options.h"
#include "common/escaped_text.h"
#include "common/format.h"
#include "spectrum/period_table.h"
#include "target/target_choice.h"
#include "target/target_table_text.h"

namespace tremblo {

namespace {

const char* const kTargetHelp = "bsl-safety, bsl-damage or a CSV table of period (s), SA (gal) rows";

void ReportUnreadable(const std::string& option, const std::string& name, const ReadError& error,
                      std::ostream& err) {
    err << option << " " << EscapedText(name) << ": " << EscapedText(error.message) << "\nRun with --help for more information.\n";
}

}  // namespace

CLI::Validator FiniteRange(double min, double max, const std::string& option, const std::string& what) {
    const std::string range = StringPrintf("%g to %g", min, max);
    return CLI::Validator(
        [=](const std::string& text) -> std::string {
            const char* begin = text.data() + (text.starts_with('+') ? 1 : 0);
            const char* end = text.data() + text.size();
            double value = 0.0;
            const auto [stop, error] = std::from_chars(begin, end, value);
            if (begin == end || error != std::errc() || stop != end || !std::isfinite(value) || value < min ||
                value > max)
                return option + " takes " + what + " from " + range + ", not '" + text + "'";
            return {};
        },
        range);
}

void AddTargetOptions(CLI::App& app, TargetOptionTexts& texts) {
    app.add_option("--target", texts.targets,
                   std::string("draw a target spectrum (SA at 5 %, pseudo SV and SD) over the spectrum, Sa-Sd and "
                               "superposed pictures and add its largest exceedance to --summary: ") +
                       kTargetHelp + "; repeatable, up to three")
        ->type_name("TARGET")
        ->allow_extra_args(false);
    app.add_option("--zone", texts.zone, "zone coefficient Z of the built-in targets, 0.7 to 1.0")
        ->check(FiniteRange(MIN_ZONE, MAX_ZONE, "--zone", "a zone coefficient"))
        ->capture_default_str();
    app.add_option("--print-target", texts.printTarget,
                   std::string("print a target (") + kTargetHelp +
                       ") at the 200 table periods as Period,SA,SV,SD rows and exit")
        ->type_name("TARGET");
}

int PrintTarget(const TargetOptionTexts& texts, std::ostream& out, std::ostream& err) {
    const Result<TargetSpectrum> target = TargetOfName(texts.printTarget, texts.zone);
    if (!target) {
        ReportUnreadable("--print-target", texts.printTarget, target.error(), err);
        return kUsageErrorStatus;
    }
    out << TargetTableText(target.value(), BuildPeriodTable().periods) << std::flush;
    return 0;
}

std::optional<std::vector<TargetSpectrum>> LoadTargets(const TargetOptionTexts& texts, std::ostream& err) {
    if (static_cast<int>(texts.targets.size()) > MAX_TARGETS) {
        err << "--target: at most " << MAX_TARGETS << " targets, not " << texts.targets.size()
            << "\nRun with --help for more information.\n";
        return std::nullopt;
    }
    std::vector<TargetSpectrum> targets;
    for (const std::string& name : texts.targets) {
        Result<TargetSpectrum> target = TargetOfName(name, texts.zone);
        if (!target) {
            ReportUnreadable("--target", name, target.error(), err);
            return std::nullopt;
        }
        targets.push_back(std::move(target.value()));
    }
    MakeKeysDistinct(targets);
    return targets;
}

}  // namespace tremblo
