// What the oscillator and the pseudo values change in the spectrum pictures
// and files: every picture drawn with pseudo values is the picture of the
// pseudo table under pSA/pSV labels; pictures of the exact oscillator carry
// its mark, inside the picture, and differ from the Newmark ones in nothing
// else; the files of the exact oscillator open with one comment line and are
// otherwise those of the Newmark recurrence.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plot/recording_canvas.h"
#include "spectrum/enlarged_drawing.h"
#include "spectrum/pseudo_csv.h"
#include "spectrum/rotd_csv.h"
#include "spectrum/sa_sd_drawing.h"
#include "spectrum/spectrum_csv.h"
#include "spectrum/spectrum_display.h"
#include "support/scripted_platform.h"

namespace tremblo {
namespace {

const std::string kMark = "（厳密解）";
const std::string kComment = "# oscillator: exact (Nigam-Jennings, ground acceleration linear between samples)\r\n";

// Text extents that follow the face: half the pixel height per ASCII
// character, the pixel height per other character.
class FaceSizedCanvas : public RecordingCanvas {
public:
    using RecordingCanvas::RecordingCanvas;
    void SetFont(const FontSpec& font) override {
        RecordingCanvas::SetFont(font);
        asciiWidth = font.pixelHeight / 2;
        textHeight = font.pixelHeight;
    }
};

// A table whose SA and SV are far from w^2 SD and w SD: SD grows with the
// period, SA and SV are flat, and each component, damping and quantity
// differs.
std::unique_ptr<SpectrumTable> SampleTable(const PeriodTable& periods) {
    auto table = std::make_unique<SpectrumTable>();
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < DAMPING_COUNT; ++k)
            for (int j = 0; j < PERIOD_COUNT; ++j) {
                const float scale = 1.0f + 0.3f * static_cast<float>(c) - 0.1f * static_cast<float>(k);
                table->at(c, k, SA, j) = 50.0f * scale;
                table->at(c, k, SV, j) = 5.0f * scale;
                table->at(c, k, SD, j) = scale * periods.periods[static_cast<std::size_t>(j)] * 3.0f;
            }
    return table;
}

struct Drawing {
    const char* name;
    int width, height;
    void (*prepare)(TMyGraph&);
    std::function<void(TMyGraph&, const SpectrumData&, const SpectrumDisplaySettings&)> draw;
};

const std::vector<Drawing>& Drawings() {
    static const std::vector<Drawing> drawings = {
        {"per component", SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT, PrepareSpectrumGraph,
         [](TMyGraph& graph, const SpectrumData& data, SpectrumDisplaySettings s) {
             s.layout = SpectrumLayout::PerComponent;
             DrawSpectra(graph, data, s);
         }},
        {"per response SA", SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT, PrepareSpectrumGraph,
         [](TMyGraph& graph, const SpectrumData& data, SpectrumDisplaySettings s) {
             s.layout = SpectrumLayout::PerResponse;
             s.quantity = SA;
             DrawSpectra(graph, data, s);
         }},
        {"per response SV, frequency", SPECTRUM_GRAPH_WIDTH, SPECTRUM_GRAPH_HEIGHT, PrepareSpectrumGraph,
         [](TMyGraph& graph, const SpectrumData& data, SpectrumDisplaySettings s) {
             s.layout = SpectrumLayout::PerResponse;
             s.quantity = SV;
             s.frequencyX = true;
             DrawSpectra(graph, data, s);
         }},
        {"enlarged", ENLARGED_GRAPH_WIDTH, ENLARGED_GRAPH_HEIGHT, PrepareEnlargedGraph,
         [](TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& s) {
             DrawEnlargedItem(graph, EnlargedItemCurves(data, s, SA), s, data.linearAxis);
         }},
        {"superposed", SUPERPOSED_GRAPH_WIDTH, SUPERPOSED_GRAPH_HEIGHT, PrepareSuperposedGraph,
         [](TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& s) {
             StartSuperposed(graph, EnlargedItemCurves(data, s, SV), s, data.linearAxis);
             AddSuperposed(graph, EnlargedItemCurves(data, s, SA), s, 1);
         }},
        {"Sa-Sd", SA_SD_GRAPH_WIDTH, SA_SD_GRAPH_HEIGHT, PrepareSaSdGraph,
         [](TMyGraph& graph, const SpectrumData& data, const SpectrumDisplaySettings& s) {
             SaSdSettings settings;
             settings.adjustedOnly = false;
             settings.targets = s.targets;
             settings.pseudo = s.pseudo;
             DrawSaSd(graph, data.table, data.source, settings);
         }},
    };
    return drawings;
}

bool SameDrawing(const CanvasCall& a, const CanvasCall& b) {
    return a.op == b.op && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.points == b.points &&
           a.penColor == b.penColor && a.penWidth == b.penWidth && a.penStyle == b.penStyle &&
           a.brushColor == b.brushColor && a.brushStyle == b.brushStyle;
}

bool IsText(const CanvasCall& call) { return call.op == CanvasOp::TextOut || call.op == CanvasOp::DrawText; }

std::vector<CanvasCall> Lines(const std::vector<CanvasCall>& calls) {
    std::vector<CanvasCall> lines;
    for (const CanvasCall& call : calls)
        if (!IsText(call)) lines.push_back(call);
    return lines;
}

std::vector<CanvasCall> Texts(const std::vector<CanvasCall>& calls) {
    std::vector<CanvasCall> texts;
    for (const CanvasCall& call : calls)
        if (IsText(call)) texts.push_back(call);
    return texts;
}

// Every occurrence of `from` replaced.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

class SpectrumVariants : public ::testing::Test {
protected:
    SpectrumVariants() {
        source.componentCount = 3;
        source.stationCode = "AIC001";
        source.originDate = "2024/11/05";
        source.originTime = "10:12:00";
        source.eventName = "AIC001-202411051012";
    }

    SpectrumData Data(const SpectrumTable& of) const {
        return SpectrumData{of, periods, source, LinearPeriodAxisFor(LinearPeriodRange::Seconds2),
                            LinearPeriodCount(periods, 2.0f), LinearFrequencyCount(periods)};
    }

    std::vector<CanvasCall> Draw(const Drawing& d, const SpectrumTable& of, bool pseudo) {
        SpectrumDisplaySettings s;
        s.pseudo = pseudo;
        s.targets = {BuiltInTarget(BslLimit::Safety, 1.0)};
        FaceSizedCanvas canvas{d.width, d.height};
        TMyGraph graph{canvas, platform};
        d.prepare(graph);
        d.draw(graph, Data(of), s);
        return canvas.calls;
    }

    PeriodTable periods = BuildPeriodTable();
    std::unique_ptr<SpectrumTable> table = SampleTable(periods);
    SpectrumSource source;
    testing::ScriptedPlatform platform;
};

// ---- Pseudo values -----------------------------------------------------------

// With pseudo on, every picture draws what the pseudo table would draw,
// point for point, and its labels say pSA and pSV where they said SA and SV.
TEST_F(SpectrumVariants, PseudoPicturesDrawThePseudoTableUnderItsLabels) {
    const auto pseudoTable = std::make_unique<SpectrumTable>(PseudoSpectrumTable(*table, periods));
    for (const Drawing& d : Drawings()) {
        SCOPED_TRACE(d.name);
        const std::vector<CanvasCall> pseudo = Draw(d, *table, true);
        const std::vector<CanvasCall> reference = Draw(d, *pseudoTable, false);
        const std::vector<CanvasCall> plain = Draw(d, *table, false);
        const auto lines = Lines(pseudo), referenceLines = Lines(reference);
        ASSERT_EQ(lines.size(), referenceLines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_TRUE(SameDrawing(lines[i], referenceLines[i])) << i;
        // The values did change: the plain table draws other curves.
        const auto plainLines = Lines(plain);
        bool differs = plainLines.size() != lines.size();
        for (std::size_t i = 0; !differs && i < lines.size(); ++i) differs = !SameDrawing(lines[i], plainLines[i]);
        EXPECT_TRUE(differs);

        const auto texts = Texts(pseudo), referenceTexts = Texts(reference);
        ASSERT_EQ(texts.size(), referenceTexts.size());
        int pseudoLabels = 0;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            std::string unlabelled = Replaced(Replaced(texts[i].text, "pSA", "SA"), "pSV", "SV");
            unlabelled = Replaced(unlabelled, "擬似加速度 pSa", "加速度 Sa");
            pseudoLabels += unlabelled != texts[i].text;
            EXPECT_EQ(unlabelled, referenceTexts[i].text);
        }
        EXPECT_GT(pseudoLabels, 0);
    }
}

// ---- The oscillator's mark ---------------------------------------------------

// The exact oscillator's pictures are the Newmark ones plus the mark, which
// lies wholly inside the picture; the Newmark pictures have no mark.
TEST_F(SpectrumVariants, ExactPicturesCarryTheMarkAndNothingElseChanges) {
    for (bool pseudo : {false, true}) {
        for (const Drawing& d : Drawings()) {
            SCOPED_TRACE(std::string(d.name) + (pseudo ? ", pseudo" : ""));
            source.method = OscillatorMethod::Newmark;
            const std::vector<CanvasCall> newmark = Draw(d, *table, pseudo);
            source.method = OscillatorMethod::Exact;
            const std::vector<CanvasCall> exact = Draw(d, *table, pseudo);

            const auto lines = Lines(exact), newmarkLines = Lines(newmark);
            ASSERT_EQ(lines.size(), newmarkLines.size());
            for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_TRUE(SameDrawing(lines[i], newmarkLines[i])) << i;

            std::vector<std::string> unmarked;
            int marks = 0;
            for (const CanvasCall& call : Texts(exact)) {
                const std::string rest = Replaced(call.text, kMark, "");
                if (rest == call.text) {
                    unmarked.push_back(call.text);
                    continue;
                }
                ++marks;
                EXPECT_GE(call.x1, 0) << call.text;
                EXPECT_GE(call.y1, 0) << call.text;
                EXPECT_LE(call.x2, d.width) << call.text;
                EXPECT_LE(call.y2, d.height) << call.text;
                if (!rest.empty()) unmarked.push_back(rest);
            }
            EXPECT_GT(marks, 0);
            std::vector<std::string> newmarkTexts;
            for (const CanvasCall& call : Texts(newmark)) {
                EXPECT_EQ(call.text.find(kMark), std::string::npos) << call.text;
                newmarkTexts.push_back(call.text);
            }
            // Texts of the Newmark picture moved or sized for the mark keep their words.
            std::sort(unmarked.begin(), unmarked.end());
            std::sort(newmarkTexts.begin(), newmarkTexts.end());
            EXPECT_EQ(unmarked, newmarkTexts);
        }
    }
}

// Where the mark goes: above the first panel's title, after the enlarged
// title, after each superposed item's title (in the smaller face that keeps
// it inside), in the Sa-Sd graph's bottom right corner.
TEST_F(SpectrumVariants, WhereTheMarkIsWritten) {
    source.method = OscillatorMethod::Exact;
    const auto find = [](const std::vector<CanvasCall>& calls, const std::string& text) -> const CanvasCall* {
        for (const CanvasCall& call : calls)
            if (IsText(call) && call.text == text) return &call;
        return nullptr;
    };
    const std::vector<CanvasCall> panels = Draw(Drawings()[1], *table, false);
    const CanvasCall* mark = find(panels, kMark);
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->x1, 60);
    EXPECT_EQ(mark->y1, 2);
    EXPECT_EQ(std::count_if(panels.begin(), panels.end(), [](const CanvasCall& c) { return c.text == kMark; }), 1);

    const std::string title = "SA AIC001 NS   2024/11/05 10:12:00";
    EXPECT_NE(find(Draw(Drawings()[3], *table, false), title + kMark), nullptr);

    const std::vector<CanvasCall> superposed = Draw(Drawings()[4], *table, false);
    const CanvasCall* first = find(superposed, "SV AIC001 NS   2024/11/05 10:12:00" + kMark);
    const CanvasCall* added = find(superposed, title + kMark);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(first->x1, 100);
    EXPECT_EQ(added->y1 - first->y1, 15);
    EXPECT_EQ(added->y2 - added->y1, 10);  // the smaller face: 12 pixels would run past the picture

    const std::vector<CanvasCall> sasd = Draw(Drawings()[5], *table, false);
    mark = find(sasd, kMark);
    ASSERT_NE(mark, nullptr);
    EXPECT_GE(mark->x1, SA_SD_GRAPH_WIDTH / 2);
    EXPECT_GE(mark->y1, 270 + 12);  // below the frame and its numbers
    EXPECT_NE(find(sasd, "AIC001-202411051012 NS"), nullptr);  // the name line as before
}

// ---- Files -------------------------------------------------------------------

TEST_F(SpectrumVariants, FilesOfTheExactOscillatorOpenWithOneCommentLine) {
    const DampingRatios ratios = DampingRatiosFor(DampingMultiplier::Times1);
    RotDTable rotd;
    rotd.at(2, SV, 7) = RotDValues{3.0f, 4.0f, 45};
    const struct {
        const char* name;
        std::function<std::string(const SpectrumSource&)> write;
    } files[] = {
        {"rsp", [&](const SpectrumSource& s) { return SpectrumCsvText(s, periods, ratios, *table); }},
        {"psa", [&](const SpectrumSource& s) { return PseudoCsvText(s, periods, ratios, *table); }},
        {"spectra", [&](const SpectrumSource& s) { return SpectraTableCsvText(s, periods, ratios, *table); }},
        {"rotd", [&](const SpectrumSource& s) { return RotDCsvText(s, periods, ratios, rotd, s.method); }},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        source.method = OscillatorMethod::Newmark;
        const std::string newmark = file.write(source);
        source.method = OscillatorMethod::Exact;
        const std::string exact = file.write(source);
        EXPECT_NE(newmark.substr(0, 1), "#");
        EXPECT_GT(newmark.size(), 1000u);
        EXPECT_EQ(exact, kComment + newmark);
    }
    // The RotD text's method is its own parameter, Newmark unless given.
    source.method = OscillatorMethod::Exact;
    EXPECT_EQ(RotDCsvText(source, periods, ratios, rotd).substr(0, 6), "AIC001");
    EXPECT_EQ(OscillatorCommentLine(OscillatorMethod::Newmark), "");
}

}  // namespace
}  // namespace tremblo
