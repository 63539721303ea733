#pragma once
// The usage window: the built-in usage text; only its icon closes it.
#include <QWidget>

class QPlainTextEdit;
class QLabel;

namespace tremblo {

class ClickableLabel;

class THowTo : public QWidget {
    Q_OBJECT
public:
    explicit THowTo(QWidget* parent = nullptr);

    void Image1Click() { hide(); }
    QLabel* Label1 = nullptr;
    ClickableLabel* Image1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};

}  // namespace tremblo
