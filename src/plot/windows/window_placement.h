#pragma once
// Where a secondary window opens: beside the window it was opened from,
// clear of the control that opened it, and inside the screen.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <initializer_list>
#include <vector>

class QWidget;

namespace tremblo {

// The top-left corner of a window frame of `frame` size opened from the
// window `anchor` (frame rectangles, screen coordinates): to the right of
// the anchor, below it, to its left or above it, each moved inside
// `screen`, the first that keeps clear of `avoid` (the control that opened
// it; an empty rectangle avoids nothing) and, among those, the one covering
// least of the anchor. When every place covers `avoid`, the one covering
// least of it. A frame wider (taller) than the screen starts at its left
// (top) edge.
QPoint PlacementBeside(const QRect& screen, const QSize& frame, const QRect& anchor, const QRect& avoid);
// The same, keeping clear of several rectangles: the place covering least
// of them all (summed) wins.
QPoint PlacementBeside(const QRect& screen, const QSize& frame, const QRect& anchor, const std::vector<QRect>& avoid);

// Moves a hidden window beside `anchor` as above (a window the user can
// resize is first shrunk to the screen when it is larger); a visible one
// stays where it is. `avoid` may be a control of the anchor or another
// window; nullptr avoids nothing.
void PlaceBeside(QWidget& window, const QWidget& anchor, const QWidget* avoid = nullptr);
void PlaceBeside(QWidget& window, const QWidget& anchor, std::initializer_list<const QWidget*> avoid);

// The same, keeping clear of rectangles of the screen (frame coordinates).
void PlaceBeside(QWidget& window, const QWidget& anchor, const std::vector<QRect>& avoid);

// A widget's rectangle on the screen: a window's frame, a control's own.
QRect ScreenRectOf(const QWidget& widget);

// The frame rectangle of a window of client size `size` (the window manager
// adding `decoration` around it) centred on `screen`: shrunk to the screen
// first when it is larger (never below `minimum`), its top-left corner, and
// so its title bar, never above or left of the screen.
QRect CentredOnScreen(const QRect& screen, QSize size, QSize minimum, QSize decoration);

// Moves a window to the centre of its screen's free area, first shrinking it
// to that area when it is larger and can be resized. Before any window has
// been framed by the window manager, its frame is guessed from the style.
void CentreOnScreen(QWidget& window);
// A moment after a window is shown, when the window manager has framed it:
// CentreOnScreen again if its frame does not fit its screen (the guess was short).
void RefitOnceFramed(QWidget& window);

// Where a window frame stands with its title bar on `screen`: moved down
// (right) when its top (left) edge is above (left of) the screen's; a frame
// taller than the screen then runs past its bottom rather than its top.
QPoint TitleBarOnScreen(const QRect& screen, const QRect& frame);
// A moment after a window is shown or raised, when the window manager has
// framed (and perhaps moved) it: its title bar brought onto its screen.
void KeepTitleBarOnScreen(QWidget& window);

// PlaceBeside, then shows the window and brings it to the front.
void ShowBeside(QWidget& window, const QWidget& anchor, const QWidget* avoid = nullptr);
void ShowBeside(QWidget& window, const QWidget& anchor, std::initializer_list<const QWidget*> avoid);

}  // namespace tremblo
