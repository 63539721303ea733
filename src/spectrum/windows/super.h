#pragma once
// The superposed view's window: spectra collected from enlarged views, each
// in its own colour with a legend line. Stays on top of the other windows.
#include <QWidget>

class QPushButton;

namespace tremblo {

class GraphView;
class Platform;
class TSpect;

class TSuper : public QWidget {
    Q_OBJECT
public:
    TSuper(Platform& platform, TSpect& spect, QWidget* parent = nullptr);

    void BtnSPGIFClick();  // PNG
    void Button1Click() { hide(); }
    void Button2Click();   // copy to the clipboard

    GraphView* MyGraph1 = nullptr;
    QPushButton *BtnSPGIF = nullptr, *Button1 = nullptr, *Button2 = nullptr;

private:
    Platform& platform_;
    TSpect& spect_;
};

}  // namespace tremblo
