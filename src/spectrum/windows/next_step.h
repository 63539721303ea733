#pragma once
// The enlarged view's navigator: a small modal window with the choices for
// the enlarged item (next, back, copy, PNG, close) and for the superposed
// drawing (new, add, copy, PNG, close).
#include <QDialog>
#include <functional>

#include "spectrum/enlarged_navigation.h"

class QPushButton;

namespace tremblo {

class TNextStep : public QDialog, public EnlargedNavigator {
    Q_OBJECT
public:
    explicit TNextStep(QWidget* parent = nullptr);

    // Shows the window modally; the choice of the button that closed it.
    std::optional<int> Choose() override;

    // The copy buttons leave the navigator open.
    std::function<void()> copyEnlarged, copySuperposed;

    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *Button5 = nullptr, *Button6 = nullptr, *Button7 = nullptr, *Button8 = nullptr,
                *Button9 = nullptr, *Button10 = nullptr;

private:
    void Finish(int choice);

    std::optional<int> choice_;
};

}  // namespace tremblo
