#pragma once
// A panel-style button that shows a picture under its caption.
#include <QFrame>
#include <QImage>

namespace tremblo {

enum class Bevel { None, Lowered, Raised };

class TTkBtn : public QFrame {
    Q_OBJECT
public:
    explicit TTkBtn(QWidget* parent = nullptr);

    QString Caption;
    Qt::Alignment Alignment = Qt::AlignHCenter;
    int BevelWidth = 1;
    Bevel BevelOuter = Bevel::Raised;
    Bevel BevelInner = Bevel::None;
    int BorderWidth = 0;
    QColor Color = QColor(212, 208, 200);
    QImage PictureImg;

    void Set_Picture(const QImage& picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tremblo
