#pragma once
// The Sa-Sd window: spectral acceleration against spectral displacement of
// the component chosen in the spectrum window, which draws its graph.
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tremblo {

class GraphView;
class Platform;
class TSpect;

class TSdSa : public QWidget {
    Q_OBJECT
public:
    TSdSa(Platform& platform, TSpect& spect, QWidget* parent = nullptr);

    void UpDown1Click();
    void CheckBox1Click();
    void Button1Click() { hide(); }
    void Button2Click();  // PNG

    // The component the graph shows, named in the proposed file name.
    int drawnComponent = 0;

    GraphView* MyGraph1 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QSpinBox* UpDown1 = nullptr;  // Edit1 + UpDown1, the line width
    QCheckBox* CheckBox1 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr;

private:
    Platform& platform_;
    TSpect& spect_;
};

}  // namespace tremblo
