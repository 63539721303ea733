#pragma once
// MyGraph1 of the spectrum windows: the picture a TMyGraph draws on, shown
// as it is.
#include <QWidget>

#include "plot/canvas/raster_canvas.h"
#include "plot/my_graph.h"

namespace tremblo {

class GraphView : public QWidget {
    Q_OBJECT
public:
    GraphView(Platform& platform, int width, int height, QWidget* parent = nullptr);

    TMyGraph& graph() { return graph_; }
    RasterCanvas& canvas() { return canvas_; }
    // The picture as shown now.
    RgbImage Picture() const { return canvas_.Picture(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    RasterCanvas canvas_;
    TMyGraph graph_;
};

}  // namespace tremblo
