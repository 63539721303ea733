#pragma once
// The station list of the Hiroshima City earthquake information network,
// read only, one row per station of the directory.
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tremblo {

struct StationDirectory;

class THRSMList : public QWidget {
    Q_OBJECT
public:
    explicit THRSMList(const StationDirectory& directory, QWidget* parent = nullptr);

    // The main window's 観測点リスト with the Hiroshima format chosen: the
    // grid from the directory, the window sized to it (the caller shows it).
    void Fill();
    void Button1Click() { hide(); }

    QLabel* Label1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QPushButton* Button1 = nullptr;

private:
    const StationDirectory& directory_;
};

}  // namespace tremblo
