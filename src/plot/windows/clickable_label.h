#pragma once
// A label that reports clicks: the web links and the window icons.
#include <QLabel>

namespace tremblo {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tremblo
