#pragma once
// The K-NET / KiK-net station list: both tables of the station directory
// side by side, a code search for each, editing and saving SITENAME.CSV.
#include <QWidget>
#include <vector>

#include "stations/station_file.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace tremblo {

class Platform;
struct StationDirectory;

class TSiteList : public QWidget {
    Q_OBJECT
public:
    TSiteList(Platform& platform, const StationDirectory& directory, QWidget* parent = nullptr);

    // The main window's 観測点リスト: the grids anew from the tables, then shown.
    void FillAndShow();
    void Button1Click();  // close, asking first when edited
    void Button2Click() { Search(*StringGrid1, *Edit1); }
    void Button3Click() { Search(*StringGrid2, *Edit2); }
    void CBEdit2Click();
    void BtnSave2Click();
    // Asked before the program ends: true when the list may close (asking
    // about unsaved edits); the list then closes without asking again.
    bool MayCloseForQuit();

    bool edited = false;
    // Which lists were edited since the last save (ticking 編集・コピー marks neither).
    bool editedKnet = false, editedKiknet = false;
    QTableWidget *StringGrid1 = nullptr, *StringGrid2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *BtnSave2 = nullptr;
    QCheckBox* CBEdit2 = nullptr;
    QScrollArea* Scroll = nullptr;  // the page of controls, scrolled on a small screen

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Search(QTableWidget& grid, const QLineEdit& field);
    bool MayClose();
    void GridEdited(const QTableWidget* grid);

    Platform& platform_;
    const StationDirectory& directory_;
    // What the last save wrote; a reopened list shows it.
    bool saved_ = false;
    std::vector<StationListRow> savedKnet_, savedKiknet_;
};

}  // namespace tremblo
