#include "tools/horizontal_synthesis.h"

#include <filesystem>

#include <array>
#include <climits>
#include <cmath>
#include <memory>
#include <numbers>
#include <sstream>

#include "common/atomic_file.h"
#include "common/format.h"
#include "common/line_reader.h"
#include "common/path_text.h"
#include "common/readable_file.h"
#include "common/shift_jis.h"
#include "common/translation.h"
#include "record/knet_reader.h"
#include "record/knet_writer.h"
#include "wave/start_point.h"

namespace tremblo {

namespace {

constexpr int kScaleFactorLine = 14;
constexpr int kMaxAccLine = 15;
constexpr const char* kNothingWritten = QT_TRANSLATE_NOOP("tools", "\n\n合成波形ファイルは出力していません");

// Truncation toward zero, held to the int range.
int TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

using HeaderLines = std::array<std::string, KNET_HEADER_LINES>;

// One component file named for the messages: "NS成分のデータファイル X.NS".
std::string Describe(const RecordFields& record, int component) {
    return StringPrintf(TrText("tools", "%s成分のデータファイル %s").c_str(), SjisToUtf8(record.componentLabel[component].view()).c_str(),
                        record.componentPath[component].c_str());
}

ReadError Failure(std::string message) {
    return ReadError{0, std::move(message) + TrText("tools", kNothingWritten), TrText("tools", synthesis_text::kErrorCaption)};
}

// The 17 header lines as read through the reader's line buffer, line ends kept.
Result<HeaderLines> ReadHeaderLines(const RecordFields& record, int component) {
    std::string why;
    const std::unique_ptr<std::istream> in = OpenFileStream(record.componentPath[component], why);
    if (!in)
        return Failure(StringPrintf(TrText("tools", "%s を開けません (%s)").c_str(), Describe(record, component).c_str(), why.c_str()));
    LineReader reader(*in, KNET_LINE_BUFFER);
    HeaderLines lines;
    for (int i = 0; i < KNET_HEADER_LINES; ++i)
        if (!reader.Next(lines[static_cast<std::size_t>(i)]))
            return Failure(StringPrintf(TrText("tools", "%s を読み込めません\n\n%d行目: ヘッダーが17行そろっていません").c_str(),
                                        Describe(record, component).c_str(), i + 1));
    return lines;
}

std::string JoinLines(const HeaderLines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line;
    return text;
}

// A line as written: its line end as CR LF (a piece of a longer line has none).
std::string WrittenLine(std::string line) {
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
        line += "\r\n";
    }
    return line;
}

}  // namespace

std::optional<int> ParseAzimuth(const std::string& text) { return ParseWholeInteger(text); }

std::string AzimuthExtension(int azimuth) { return StringPrintf("%03d", azimuth); }

std::string DefaultSynthesisName(const std::string& nsPath, int azimuth) {
    const std::string_view name = FileNamePart(nsPath);
    const std::size_t period = name.rfind('.');
    return std::string(name.substr(0, period)) + "." + AzimuthExtension(azimuth);
}

OutputNameVerdict CheckOutputName(const std::string& path, int azimuth) {
    const std::size_t period = path.find('.');
    if (period == std::string::npos || path.find('.', period + 1) != std::string::npos)
        return OutputNameVerdict::BadPeriodCount;
    if (path.substr(period + 1) != AzimuthExtension(azimuth)) return OutputNameVerdict::ExtensionNotAzimuth;
    return OutputNameVerdict::Accepted;
}

bool IsRecordComponentFile(const RecordFields& record, const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path target = fs::path(path).lexically_normal();
    for (int c = 0; c < record.componentCount && c < MAX_COMPONENTS; ++c) {
        const std::string& component = record.componentPath[c];
        if (component.empty()) continue;
        std::error_code error;
        if (fs::path(component).lexically_normal() == target || fs::equivalent(component, path, error)) return true;
    }
    return false;
}

std::optional<std::string> SynthesisUnavailable(const RecordFields& record, RecordFormat format) {
    if (!record.recordLoaded || record.componentCount != 3)
        return TrText("tools", "合成波形はＮＳ・ＥＷ・ＵＤの３成分を読み込んだ記録から作成します");
    if (format != RecordFormat::Knet)
        return TrText("tools", "合成波形はK-NET/KiK-net形式の記録から作成します");
    if (!(record.scaleFactor != 0.0f) || !std::isfinite(record.scaleFactor))
        return TrText("tools", "スケールファクターが0のため合成波形を作成できません");
    return std::nullopt;
}

SynthesizedTrace SynthesizeHorizontal(std::span<const float> ns, std::span<const float> ew, float scaleFactor,
                                      int azimuth) {
    const float theta = static_cast<float>(static_cast<double>(azimuth) * (1.0 / 180.0) * std::numbers::pi);
    const double c = std::cos(static_cast<double>(theta));
    const double s = std::sin(static_cast<double>(theta));
    const double scale = scaleFactor;
    SynthesizedTrace trace;
    const std::size_t n = std::min(ns.size(), ew.size());
    trace.counts.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const float a = static_cast<float>(c * static_cast<double>(ns[i]) + s * static_cast<double>(ew[i]));
        trace.counts[i] = TruncateToInt(static_cast<double>(a) / scale);
        trace.peak = std::max(trace.peak, std::fabs(a));
    }
    return trace;
}

Result<SynthesisSummary> WriteSynthesizedRecord(const SeismicRecord& record, int azimuth,
                                                const std::string& outPath) {
    Result<HeaderLines> ns = ReadHeaderLines(record, 0);
    if (!ns) return ns.error();
    Result<HeaderLines> ew = ReadHeaderLines(record, 1);
    if (!ew) return ew.error();
    // The counts are converted with the factor read at load time: the NS
    // file must still say the same.
    std::istringstream nsHeader(JoinLines(ns.value()));
    const Result<KnetHeader> parsed = ReadKnetHeader(nsHeader);
    if (!parsed || parsed.value().scaleFactor != record.scaleFactor)
        return Failure(StringPrintf(
            TrText("tools", "%s のスケールファクターが読み込んだときと異なります\n\nデータファイルを読み込み直してください").c_str(),
            Describe(record, 0).c_str()));

    const auto count = static_cast<std::size_t>(std::max(record.sampleCount, 0));
    const SynthesizedTrace trace = SynthesizeHorizontal(std::span<const float>(record.samples[0].data(), count),
                                                        std::span<const float>(record.samples[1].data(), count),
                                                        record.scaleFactor, azimuth);
    const int peakGal = TruncateToInt(trace.peak);

    std::ostringstream out(std::ios::binary);
    for (int i = 1; i <= KNET_HEADER_LINES; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        if (i == kMaxAccLine)
            out << StringPrintf("Max. Acc. (gal)   %4d\r\n", peakGal);
        else
            out << WrittenLine(i == kScaleFactorLine ? ns.value()[index] : ew.value()[index]);
    }
    WriteKnetData(out, trace.counts);
    if (!WriteFileAtomically(outPath, out.str()))
        return Failure(StringPrintf(TrText("tools", "出力ファイル %s を作成できません").c_str(), outPath.c_str()));
    return SynthesisSummary{static_cast<int>(count), peakGal};
}

}  // namespace tremblo
