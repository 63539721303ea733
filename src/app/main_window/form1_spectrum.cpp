// The main window's side of the spectrum window: the spectrum button and
// the menu 表示単位 (damping-ratio multiplier, longest linear period).
#include <QActionGroup>
#include <QMenuBar>

#include "plot/windows/radio_group.h"
#include <QPushButton>

#include "plot/windows/window_placement.h"
#include "spectrum/windows/spect.h"
#include "app/main_window/form1.h"

namespace tremblo {

void TForm1::BuildSpectrumMenu() {
    QMenu* units = menuBar()->addMenu(tr("表示単位(&T)"));
    const auto addGroup = [&](const char* title, std::initializer_list<std::pair<QAction**, const char*>> items,
                              auto handler) {
        QMenu* menu = units->addMenu(tr(title));
        auto* group = new QActionGroup(this);
        int index = 0;
        for (const auto& [action, caption] : items) {
            *action = menu->addAction(tr(caption));
            (*action)->setCheckable(true);
            (*action)->setChecked(index == 0);
            group->addAction(*action);
            connect(*action, &QAction::triggered, this, [this, handler, index] { handler(this, index); });
            ++index;
        }
    };
    addGroup(QT_TR_NOOP("減衰比倍率"), {{&N11, QT_TR_NOOP("×１")}, {&N2, QT_TR_NOOP("×５")}, {&N3, QT_TR_NOOP("×１０")}}, [](TForm1* f, int i) {
        static constexpr DampingMultiplier kChoices[] = {DampingMultiplier::Times1, DampingMultiplier::Times5,
                                                         DampingMultiplier::Times10};
        f->ChooseDampingMultiplier(kChoices[i]);
    });
    addGroup(QT_TR_NOOP("線形目盛り最長周期"), {{&N5, QT_TR_NOOP("２秒")}, {&N6, QT_TR_NOOP("５秒")}, {&N7, QT_TR_NOOP("１０秒")}}, [](TForm1* f, int i) {
        static constexpr LinearPeriodRange kChoices[] = {LinearPeriodRange::Seconds2, LinearPeriodRange::Seconds5,
                                                         LinearPeriodRange::Seconds10};
        f->ChooseLinearPeriodRange(kChoices[i]);
    });
}

void TForm1::BtnSpectClick() {
    if (Spect == nullptr) return;
    PlaceBeside(*Spect, *this, BtnSpect);
    Spect->BtnCalcClick();
    Spect->ShowStation(session_->record().currentStation);
    Spect->show();
    Spect->raise();
}

void TForm1::ChooseDampingMultiplier(DampingMultiplier multiplier) {
    N11->setChecked(multiplier == DampingMultiplier::Times1);
    N2->setChecked(multiplier == DampingMultiplier::Times5);
    N3->setChecked(multiplier == DampingMultiplier::Times10);
    if (Spect == nullptr) return;
    Spect->SetDampingMultiplier(multiplier);
    // Without a record the menu only keeps its choice for the first calculation.
    if (session_->record().recordLoaded) BtnSpectClick();  // recalculates and shows the window
}

void TForm1::ChooseLinearPeriodRange(LinearPeriodRange range) {
    N5->setChecked(range == LinearPeriodRange::Seconds2);
    N6->setChecked(range == LinearPeriodRange::Seconds5);
    N7->setChecked(range == LinearPeriodRange::Seconds10);
    if (Spect == nullptr) return;
    Spect->SetLinearPeriodRange(range);
    Spect->RedrawSpectra();
    // Each change of selection runs the group's handler, which redraws.
    Spect->RGXScale->setItemIndex(0);
    Spect->RGXUnit->setItemIndex(0);
    if (!Spect->model().hasSpectra()) return;  // nothing to show yet
    ShowBeside(*Spect, *this, BtnSpect);
}

}  // namespace tremblo
