#include "plot/windows/mat_grid.h"

#include <QHeaderView>

#include "common/format.h"

namespace tremblo {

namespace {
// The grid's own fixed row and column are ordinary cells in a grey colour.
const QColor kFixedColour(212, 208, 200);
}  // namespace

TMatGrid::TMatGrid(QWidget* parent) : QTableWidget(2, 2, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSize(10);
    setFont(font);
}

void TMatGrid::SetCell(int column, int row, const QString& text) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, column, cell);
    }
    cell->setText(text);
}

QString TMatGrid::cellText(int column, int row) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

template <typename T>
void TMatGrid::Show(const T* data, int stride, int rows, int cols, const char* format) {
    const int h = ElementNumber ? 1 : 0;
    const int base = InitZero ? 0 : 1;
    setColumnCount(cols + h);
    setRowCount(rows + h);
    for (int i = 0; i < rows; ++i) SetCell(0, i + h, QString::fromStdString(StringPrintf("%4d", i + base)));
    for (int j = 0; j < cols; ++j) SetCell(j + h, 0, QString::fromStdString(StringPrintf("%6d", j + base)));
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            const double value = static_cast<double>(data[static_cast<std::size_t>(i) * stride + j]);
            // The caller's format takes one double.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
            SetCell(j + h, i + h, QString::fromStdString(StringPrintf(format, value)));
#pragma GCC diagnostic pop
        }
    for (int i = 0; i < h; ++i) {
        for (int c = 0; c < columnCount(); ++c)
            if (item(0, c)) item(0, c)->setBackground(kFixedColour);
        for (int r = 0; r < rowCount(); ++r)
            if (item(r, 0)) item(r, 0)->setBackground(kFixedColour);
    }
}

void TMatGrid::Display(const float* data, int stride, int rows, int cols, const char* format) {
    Show(data, stride, rows, cols, format);
}

void TMatGrid::display(const double* data, int stride, int rows, int cols, const char* format) {
    Show(data, stride, rows, cols, format);
}

void TMatGrid::Clear() {
    for (int c = 1; c < columnCount(); ++c)
        for (int r = 1; r < rowCount(); ++r)
            if (item(r, c)) item(r, c)->setText(QString());
}

}  // namespace tremblo
