#pragma once
// The enlarged view's navigator: a small window with the choices for the
// enlarged item (next, back, copy, PNG, close) and for the superposed
// drawing (new, add, copy, PNG, close). It waits for a choice without
// blocking the other windows: the user may put it behind them.
#include <QDialog>
#include <functional>

#include "spectrum/enlarged_navigation.h"

class QEventLoop;
class QPushButton;

namespace tremblo {

class TNextStep : public QDialog, public EnlargedNavigator {
    Q_OBJECT
public:
    explicit TNextStep(QWidget* parent = nullptr);

    // Shows the window and waits for a choice (the other windows stay in
    // use); the choice of the button that closed it, nothing when it was
    // closed otherwise (its close box, or hidden by the program).
    std::optional<int> Choose() override;
    // Whether Choose is waiting.
    bool choosing() const { return loop_ != nullptr; }

    // The copy buttons leave the navigator open.
    std::function<void()> copyEnlarged, copySuperposed;

    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *Button5 = nullptr, *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr,
                *Button9 = nullptr, *Button10 = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void Finish(int choice);

    std::optional<int> choice_;
    QEventLoop* loop_ = nullptr;
};

}  // namespace tremblo
