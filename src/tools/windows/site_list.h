#pragma once
// The K-NET / KiK-net station list: both tables of the station directory
// side by side, a code search for each, editing and saving SITENAME.CSV.
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
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

    bool edited = false;
    QTableWidget *StringGrid1 = nullptr, *StringGrid2 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *BtnSave2 = nullptr;
    QCheckBox* CBEdit2 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Search(QTableWidget& grid, const QLineEdit& field);
    bool MayClose();

    Platform& platform_;
    const StationDirectory& directory_;
};

}  // namespace tremblo
