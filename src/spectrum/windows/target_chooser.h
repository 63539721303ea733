#pragma once
// The spectrum window's choice of target spectra: the two built-in bedrock
// spectra of the 2000 building notification with their zone coefficient,
// tables read from files through the open dialog, at most three in all, and
// one button that clears them. The choice stays for the session; every
// change is announced by changed().
#include <QGroupBox>
#include <vector>

#include "common/platform.h"
#include "target/target_choice.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tremblo {

class TargetChooser : public QGroupBox {
    Q_OBJECT
public:
    TargetChooser(Platform& platform, QWidget* parent);

    TargetSelection Selection() const;
    std::vector<TargetSpectrum> Targets() const { return Selection().Targets(); }

    void CBSafetyClick() { BuiltInClick(CBSafety); }
    void CBDamageClick() { BuiltInClick(CBDamage); }
    void CBZoneChange() { emit changed(); }
    void BtnTargetFileClick();   // a table from a file
    void BtnTargetClearClick();  // every target off

    QCheckBox *CBSafety = nullptr, *CBDamage = nullptr;
    QComboBox* CBZone = nullptr;
    QPushButton *BtnTargetFile = nullptr, *BtnTargetClear = nullptr;
    QLabel* LabelTargetFiles = nullptr;  // the files chosen

signals:
    void changed();

private:
    void BuiltInClick(QCheckBox* box);
    void ShowFiles();

    Platform& platform_;
    std::vector<TargetSpectrum> files_;
};

}  // namespace tremblo
