#pragma once
// The look shared by the program's windows: the face "ＭＳ Ｐゴシック"
// (IPA P Gothic here), bold, and a background and text colour of their own.
#include <QColor>
#include <QFont>
#include <QWidget>

namespace tremblo {

inline QFont ProgramFont(int pixelSize, bool bold = true) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Background and text colour (also of the window's text boxes), and the
// program's bold 13-pixel font.
inline void ApplyWindowLook(QWidget& window, const QColor& background, const QColor& text) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    // Disabled controls keep the desktop's greyed text.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
    }
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(ProgramFont(13));
}

}  // namespace tremblo
