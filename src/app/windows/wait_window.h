#pragma once
// The wait window shown while a long piece of work runs on the user-interface
// thread: the caller sets the text, shows it (repainted at once), works, closes it.
#include <QWidget>

class QLabel;

namespace tremblo {

class TWait : public QWidget {
    Q_OBJECT
public:
    explicit TWait(QWidget* parent = nullptr);

    // Sets the text, shows the window and repaints it before returning.
    void ShowWithText(const QString& text);
    QLabel* Label1 = nullptr;
};

}  // namespace tremblo
