#pragma once
// Small queries over the calls a RecordingCanvas kept, and the scripted platform.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plot/my_graph.h"
#include "plot/recording_canvas.h"
#include "support/scripted_platform.h"

namespace tremblo::testing {

// The first LineTo from (x1, y1) to (x2, y2), if any.
inline std::optional<CanvasCall> FindLine(const RecordingCanvas& canvas, int x1, int y1, int x2, int y2) {
    for (const CanvasCall& call : canvas.calls) {
        if (call.op == CanvasOp::LineTo && call.x1 == x1 && call.y1 == y1 && call.x2 == x2 && call.y2 == y2) {
            return call;
        }
    }
    return std::nullopt;
}

inline std::vector<std::string> TextsAtY(const RecordingCanvas& canvas, int y) {
    std::vector<std::string> texts;
    for (const CanvasCall& call : canvas.calls) {
        if (call.op == CanvasOp::TextOut && call.y1 == y) texts.push_back(call.text);
    }
    return texts;
}

inline std::vector<int> LineXs(const std::vector<CanvasCall>& lines) {
    std::vector<int> xs;
    for (const CanvasCall& call : lines) xs.push_back(call.x2);
    return xs;
}

// A graph on a 300 x 300 recording canvas, for the graph's test suites.
class GraphOnRecordingCanvas : public ::testing::Test {
protected:
    RecordingCanvas canvas{300, 300};
    ScriptedPlatform platform;
    TMyGraph graph{canvas, platform};
};

}  // namespace tremblo::testing
