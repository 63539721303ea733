// Font descriptions of the program as Qt fonts.
#include <QString>

#include "plot/canvas/raster_canvas.h"

namespace tremblo {

namespace {

QString FamilyFor(const std::string& face) {
    const QString name = QString::fromStdString(face);
    if (name == QStringLiteral("ＭＳ Ｐゴシック") || name == QStringLiteral("MS Pゴシック") ||
        name.compare(QStringLiteral("MS PGothic"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("IPAPGothic");
    }
    if (name == QStringLiteral("ＭＳ ゴシック") || name == QStringLiteral("MS ゴシック") ||
        name.compare(QStringLiteral("MS Gothic"), Qt::CaseInsensitive) == 0) {
        return QStringLiteral("IPAGothic");
    }
    return name;
}

}  // namespace

QFont ToQFont(const FontSpec& font) {
    QFont qfont(FamilyFor(font.face));
    if (font.pointSize > 0) {
        // Points at 96 dots per inch, as on the desktop the sizes were made for.
        qfont.setPixelSize((font.pointSize * 96 + 36) / 72);
    } else {
        qfont.setPixelSize(font.pixelHeight > 0 ? font.pixelHeight : 12);
    }
    qfont.setBold(font.bold);
    qfont.setStyleStrategy(QFont::NoAntialias);
    qfont.setHintingPreference(QFont::PreferFullHinting);
    return qfont;
}

}  // namespace tremblo
