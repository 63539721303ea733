#include "app/batch/superposed_pictures.h"

#include <algorithm>

#include "common/format.h"
#include "common/path_text.h"
#include "plot/canvas/raster_canvas.h"
#include "plot/png_writer.h"

namespace tremblo {

std::string SuperposedPicturePath(const std::string& path, int picture) {
    const std::string full = WithDefaultExtension(path, "png");
    if (picture <= 1) return full;
    // Before the extension of the file name (a period in a folder name is no extension).
    const std::size_t nameStart = full.size() - FileNamePart(full).size();
    std::size_t dot = full.rfind('.');
    if (dot == std::string::npos || dot < nameStart) dot = full.size();
    return full.substr(0, dot) + StringPrintf("_%d", picture) + full.substr(dot);
}

SuperposedOutcome WriteSuperposedPictures(const std::string& path, const std::vector<const ItemCurves*>& items,
                                          const SpectrumDisplaySettings& settings,
                                          const LinearPeriodAxis& linearAxis, Platform& platform) {
    SuperposedOutcome outcome;
    for (std::size_t first = 0; first < items.size(); first += SUPERPOSED_ITEMS_PER_PICTURE) {
        RasterCanvas canvas(SUPERPOSED_GRAPH_WIDTH, SUPERPOSED_GRAPH_HEIGHT);
        TMyGraph graph(canvas, platform);
        PrepareSuperposedGraph(graph);
        graph.SubX = linearAxis.subX;  // as the menu of the longest period sets it
        const std::size_t end = std::min(items.size(), first + SUPERPOSED_ITEMS_PER_PICTURE);
        StartSuperposed(graph, *items[first], settings, linearAxis);
        for (std::size_t i = first + 1; i < end; ++i)
            AddSuperposed(graph, *items[i], settings, static_cast<int>(i - first));
        const std::string file =
            SuperposedPicturePath(path, static_cast<int>(first / SUPERPOSED_ITEMS_PER_PICTURE) + 1);
        const PngWriteResult written = WritePngFile(file, canvas.Picture());
        if (!written.ok) {
            outcome.failure = written.message;
            return outcome;
        }
        outcome.written.push_back(file);
    }
    return outcome;
}

}  // namespace tremblo
