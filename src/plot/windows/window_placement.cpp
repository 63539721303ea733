#include "plot/windows/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <limits>

namespace tremblo {

namespace {

// How long a window manager may take to frame a window just shown.
constexpr int kFramingMilliseconds = 300;

long long Area(const QRect& r) { return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height(); }

QPoint InsideScreen(const QRect& screen, const QSize& frame, QPoint at) {
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - frame.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - frame.height())));
    return at;
}

// What the window manager adds around a window (title bar, borders). A
// window shown a moment ago has none yet: it gets the last one seen.
QSize Decoration(const QWidget& window) {
    static QSize seen(0, 0);
    const QSize difference = window.frameGeometry().size() - window.geometry().size();
    const QSize own(std::max(0, difference.width()), std::max(0, difference.height()));
    if (own.width() > 0 || own.height() > 0) seen = own;
    if (seen.isNull()) {  // none seen yet: that of a window on the screen, if any has one
        for (const QWidget* other : QApplication::topLevelWidgets()) {
            if (other == &window || !other->isVisible()) continue;
            const QSize around = other->frameGeometry().size() - other->geometry().size();
            if (around.width() > 0 || around.height() > 0) {
                seen = around.expandedTo(QSize(0, 0));
                break;
            }
        }
    }
    return seen;
}

}  // namespace

QRect ScreenRectOf(const QWidget& widget) {
    if (widget.isWindow()) return QRect(widget.frameGeometry().topLeft(), widget.size() + Decoration(widget));
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

QPoint PlacementBeside(const QRect& screen, const QSize& frame, const QRect& anchor, const QRect& avoid) {
    return PlacementBeside(screen, frame, anchor, std::vector<QRect>{avoid});
}

QPoint PlacementBeside(const QRect& screen, const QSize& frame, const QRect& anchor, const std::vector<QRect>& avoid) {
    const QPoint candidates[] = {
        {anchor.right() + 1, anchor.top()},
        {anchor.left(), anchor.bottom() + 1},
        {anchor.left() - frame.width(), anchor.top()},
        {anchor.left(), anchor.top() - frame.height()},
    };
    QPoint best = InsideScreen(screen, frame, candidates[0]);
    long long bestAvoid = std::numeric_limits<long long>::max(), bestAnchor = bestAvoid;
    for (const QPoint& wanted : candidates) {
        const QPoint at = InsideScreen(screen, frame, wanted);
        const QRect placed(at, frame);
        long long onAvoid = 0;
        for (const QRect& rect : avoid) onAvoid += Area(placed & rect);
        const long long onAnchor = Area(placed & anchor);
        if (onAvoid < bestAvoid || (onAvoid == bestAvoid && onAnchor < bestAnchor)) {
            best = at;
            bestAvoid = onAvoid;
            bestAnchor = onAnchor;
        }
    }
    return best;
}

void PlaceBeside(QWidget& window, const QWidget& anchor, const QWidget* avoid) {
    PlaceBeside(window, anchor, {avoid});
}

void PlaceBeside(QWidget& window, const QWidget& anchor, std::initializer_list<const QWidget*> avoid) {
    std::vector<QRect> avoided;
    for (const QWidget* widget : avoid)
        if (widget != nullptr) avoided.push_back(ScreenRectOf(*widget));
    PlaceBeside(window, anchor, avoided);
}

void PlaceBeside(QWidget& window, const QWidget& anchor, const std::vector<QRect>& avoided) {
    if (window.isVisible()) return;
    const QScreen* screen = anchor.screen();
    if (screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    // A window not yet shown has no frame: it will get the others' decoration.
    const QSize decoration = Decoration(anchor);
    QSize frame = window.size() + decoration;
    const bool resizable = window.minimumSize() != window.maximumSize();
    if (resizable && (frame.width() > available.width() || frame.height() > available.height())) {
        window.resize(std::min(frame.width(), available.width()) - decoration.width(),
                      std::min(frame.height(), available.height()) - decoration.height());
        frame = window.size() + decoration;
    }
    window.move(PlacementBeside(available, frame, ScreenRectOf(anchor), avoided));
}

QRect CentredOnScreen(const QRect& screen, QSize size, QSize minimum, QSize decoration) {
    const QSize room = (screen.size() - decoration).expandedTo(minimum);
    size = size.boundedTo(room).expandedTo(minimum);
    const QSize frame = size + decoration;
    const int x = screen.left() + std::max(0, (screen.width() - frame.width()) / 2);
    const int y = screen.top() + std::max(0, (screen.height() - frame.height()) / 2);
    return {QPoint(x, y), frame};
}

// What a window manager adds around a window when none has been seen yet (no
// window framed so far): a title bar and thin borders, as the style draws them.
QSize GuessedDecoration(const QWidget& window) {
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return {8, titleBar + 8};
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    QSize decoration = Decoration(window);
    if (decoration.isNull()) decoration = GuessedDecoration(window);
    const bool resizable = window.minimumSize() != window.maximumSize();
    const QSize minimum = resizable ? window.minimumSizeHint().expandedTo(window.minimumSize()) : window.size();
    const QRect frame = CentredOnScreen(screen->availableGeometry(), window.size(), minimum, decoration);
    if (resizable) window.resize(frame.size() - decoration);
    window.move(frame.topLeft());
}

void RefitOnceFramed(QWidget& window) {
    QTimer::singleShot(kFramingMilliseconds, &window, [&window] {
        const QScreen* screen = window.screen();
        if (screen == nullptr || !window.isVisible()) return;
        const QRect available = screen->availableGeometry();
        if (!available.contains(window.frameGeometry())) CentreOnScreen(window);
    });
}

QPoint TitleBarOnScreen(const QRect& screen, const QRect& frame) {
    return {std::max(frame.left(), screen.left()), std::max(frame.top(), screen.top())};
}

void KeepTitleBarOnScreen(QWidget& window) {
    QTimer::singleShot(kFramingMilliseconds, &window, [&window] {
        const QScreen* screen = window.screen();
        if (screen == nullptr || !window.isVisible()) return;
        const QRect frame = window.frameGeometry();
        const QPoint at = TitleBarOnScreen(screen->availableGeometry(), frame);
        if (at != frame.topLeft()) window.move(at);
    });
}

void ShowBeside(QWidget& window, const QWidget& anchor, const QWidget* avoid) {
    ShowBeside(window, anchor, {avoid});
}

void ShowBeside(QWidget& window, const QWidget& anchor, std::initializer_list<const QWidget*> avoid) {
    PlaceBeside(window, anchor, avoid);
    window.show();
    window.raise();
}

}  // namespace tremblo
