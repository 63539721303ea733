#pragma once
// The enlarged view's window: one spectrum item on a large graph, driven by
// the spectrum window and its navigator.
#include <QWidget>

class QPushButton;

namespace tremblo {

class GraphView;
class Platform;
class TSpect;

class TLarge : public QWidget {
    Q_OBJECT
public:
    TLarge(Platform& platform, TSpect& spect, QWidget* parent = nullptr);

    void BtnLGGIFClick();  // PNG
    void Button2Click() { hide(); }

    GraphView* MyGraph1 = nullptr;
    QPushButton *BtnLGGIF = nullptr, *Button2 = nullptr;  // hidden: the navigator has these

private:
    Platform& platform_;
    TSpect& spect_;
};

}  // namespace tremblo
