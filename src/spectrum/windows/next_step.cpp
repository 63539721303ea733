#include "spectrum/windows/next_step.h"

#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "plot/windows/widget_place.h"
#include "spectrum/windows/spectrum_window_look.h"

namespace tremblo {

TNextStep::TNextStep(QWidget* parent) : QDialog(parent) {
    ApplySpectrumWindowLook(*this, tr("地震応答スペクトラム"), 424, 142);
    setModal(false);

    (new QLabel(tr("地震応答スペクトラム拡大図"), this))->setGeometry(16, 6, 300, 20);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(8, 66, 408, 4);
    (new QLabel(tr("地震応答スペクトラムの重ね合わせ図"), this))->setGeometry(16, 76, 300, 20);

    struct Item {
        QPushButton** button;
        const char* caption;
        const char* hint;
        int row, column;
        int choice;  // -1: copy, the navigator stays open
    };
    const Item items[] = {
        {&Button1, QT_TR_NOOP("次　へ"), QT_TR_NOOP("次の拡大図"), 0, 0, kChoiceNext},
        {&Button2, QT_TR_NOOP("戻　る"), QT_TR_NOOP("前の拡大図"), 0, 1, kChoiceBack},
        {&Button8, QT_TR_NOOP("コピー"), QT_TR_NOOP("ｸﾘｯﾌﾟボードへｺﾋﾟｰ"), 0, 2, -1},
        {&Button4, QT_TR_NOOP("PNGﾌｧｲﾙ"), QT_TR_NOOP("現在の拡大図をPNGﾌｧｲﾙで保存"), 0, 3, kChoiceSaveEnlarged},
        {&Button3, QT_TR_NOOP("閉じる"), QT_TR_NOOP("拡大図を終了"), 0, 4, kChoiceClose},
        {&Button5, QT_TR_NOOP("新規作図"), QT_TR_NOOP("現在の拡大図で新規にｽﾍﾟｸﾄﾗﾑを作成"), 1, 0, kChoiceNewSuperposed},
        {&Button6, QT_TR_NOOP("重ね合わせ"), QT_TR_NOOP("現在の拡大図を追加する"), 1, 1, kChoiceAddSuperposed},
        {&Button9, QT_TR_NOOP("コピー"), QT_TR_NOOP("ｸﾘｯﾌﾟボードへｺﾋﾟｰ"), 1, 2, -2},
        {&Button7, QT_TR_NOOP("PNGﾌｧｲﾙ"), QT_TR_NOOP("重ね合わせｽﾍﾟｸﾄﾗﾑをPNGﾌｧｲﾙで保存"), 1, 3, kChoiceSaveSuperposed},
        {&Button10, QT_TR_NOOP("閉じる"), QT_TR_NOOP("重ね合わせ図を終了"), 1, 4, kChoiceClose},
    };
    for (const Item& item : items) {
        auto* button = new QPushButton(tr(item.caption), this);
        button->setGeometry(16 + 80 * item.column, 30 + 70 * item.row, 75, 25);
        button->setToolTip(tr(item.hint));
        button->setAutoDefault(false);
        *item.button = button;
        const int choice = item.choice;
        connect(button, &QPushButton::clicked, this, [this, choice] {
            if (choice == -1) {
                if (copyEnlarged) copyEnlarged();
            } else if (choice == -2) {
                if (copySuperposed) copySuperposed();
            } else {
                Finish(choice);
            }
        });
    }
}

void TNextStep::Finish(int choice) {
    choice_ = choice;
    hide();
}

void TNextStep::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (loop_ != nullptr) loop_->quit();
}

std::optional<int> TNextStep::Choose() {
    choice_.reset();
    if (loop_ != nullptr) return std::nullopt;  // already waiting: one view at a time
    QEventLoop loop;
    loop_ = &loop;
    show();
    raise();
    activateWindow();
    if (isVisible()) loop.exec();
    loop_ = nullptr;
    hide();
    return choice_;
}

}  // namespace tremblo
