#pragma once
// What the spectrum windows share: their look, and MyGraph1 placed on them
// and prepared as the window creates it.
#include <QColor>
#include <QString>

#include "plot/windows/graph_view.h"
#include "plot/windows/window_look.h"

namespace tremblo {

inline void ApplySpectrumWindowLook(QWidget& window, const QString& caption, int width, int height) {
    window.setWindowTitle(caption);
    window.setFixedSize(width, height);
    ApplyWindowLook(window, QColor(226, 234, 244), Qt::black);
}

// A graph of width x height at (x, y) on the window, handed to `prepare`.
inline GraphView* PlaceGraph(Platform& platform, QWidget& window, int width, int height, int x, int y,
                             void (*prepare)(TMyGraph&)) {
    auto* view = new GraphView(platform, width, height, &window);
    view->move(x, y);
    view->setObjectName("MyGraph1");
    prepare(view->graph());
    return view;
}

}  // namespace tremblo
