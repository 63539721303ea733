// The spectrum window's enlarged view: the navigation through its items on
// the enlarged window's graph, additions to the superposed window's graph.
#include <QCheckBox>
#include <QPushButton>
#include <QWindow>

#include "plot/windows/graph_view.h"
#include "plot/windows/radio_group.h"
#include "plot/windows/window_placement.h"
#include "spectrum/windows/large.h"
#include "spectrum/windows/spect.h"
#include "spectrum/windows/super.h"

namespace tremblo {

bool TSpect::EnlargedViewReady() const {
    return enlargedView && Large != nullptr && Super != nullptr && navigator != nullptr;
}

QRect TSpect::ControlsOnScreen() const {
    const QRect frame = ScreenRectOf(*this);
    const int top = MyGraph1->mapToGlobal(QPoint(0, MyGraph1->height())).y();
    return QRect(QPoint(frame.left(), top), frame.bottomRight());
}

void TSpect::EndEnlargedView() {
    if (auto* navigatorWindow = dynamic_cast<QWidget*>(navigator)) navigatorWindow->hide();
}

void TSpect::hideEvent(QHideEvent* event) {
    EndEnlargedView();
    QWidget::hideEvent(event);
}

void TSpect::RunEnlargedViewNow() {
    // The navigator waits without blocking the other windows; this window
    // stays still meanwhile, so that the view draws the spectra it started with.
    if (enlargedRunning_) return;
    enlargedRunning_ = true;
    setEnabled(false);
    if (RGSpect->itemIndex() == 0) Large->MyGraph1->graph().Clear(kWhite);
    // The navigator (a dialog of its own when it is one) stands beside the
    // enlarged graph, never over it; the superposed graph keeps clear of both.
    QWidget* const navigatorWindow = dynamic_cast<QWidget*>(navigator);
    EnlargedViewWindows windows;
    windows.showEnlarged = [this, navigatorWindow] {
        ShowBeside(*Large, *this, CBLarge);
        if (navigatorWindow != nullptr) {
            PlaceBeside(*navigatorWindow, *Large, Large);
            // The navigator belongs to the enlarged graph, not to the window
            // clicked last: window managers raise a dialog's parent with it,
            // and on a small screen the spectrum window would then cover the
            // part of the graph that overlaps it.
            navigatorWindow->winId();
            if (QWindow* handle = navigatorWindow->windowHandle()) handle->setTransientParent(Large->windowHandle());
        }
        Large->repaint();  // before the navigator waits
    };
    windows.saveEnlarged = [this] { Large->BtnLGGIFClick(); };
    windows.showSuperposed = [this, navigatorWindow] {
        // Beside the enlarged window and clear of it, of the navigator and of
        // this window's controls (its graph is empty while the view runs).
        std::vector<QRect> avoid{ScreenRectOf(*Large), ControlsOnScreen()};
        if (navigatorWindow != nullptr) avoid.push_back(ScreenRectOf(*navigatorWindow));
        PlaceBeside(*Super, *Large, avoid);
        Super->show();
        Super->raise();
        if (navigatorWindow != nullptr) navigatorWindow->raise();
        Super->repaint();
    };
    windows.repaintSuperposed = [this] { Super->repaint(); };
    windows.saveSuperposed = [this] { Super->BtnSPGIFClick(); };
    windows.enableSuperposedButtons = [this](bool enabled) {
        Super->BtnSPGIF->setEnabled(enabled);
        Super->Button1->setEnabled(enabled);
    };
    RunEnlargedView(Large->MyGraph1->graph(), Super->MyGraph1->graph(), SpectrumDataOf(*model_),
                    ReadDisplaySettings(), enlargedState, *navigator, windows);
    setEnabled(true);
    enlargedRunning_ = false;
    // The view always ends in the three-panel view, 拡大図 unticked.
    Large->hide();
    CBLarge->setChecked(false);
    CBLargeClick();
}

}  // namespace tremblo
