#pragma once
// A text grid showing a numeric matrix with numbered headings.
#include <QTableWidget>

namespace tremblo {

class TMatGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TMatGrid(QWidget* parent = nullptr);

    bool ElementNumber = true;  // a heading row and column with element numbers
    bool InitZero = false;      // number the elements from 0 instead of 1

    // Shows rows x cols elements, element (i, j) being data[i * stride + j],
    // each with the printf-style format (applied to a double).
    void Display(const float* data, int stride, int rows, int cols, const char* format);
    void display(const double* data, int stride, int rows, int cols, const char* format);
    // Empties every cell but those of row 0 and column 0.
    void Clear();

    QString cellText(int column, int row) const;

private:
    template <typename T>
    void Show(const T* data, int stride, int rows, int cols, const char* format);
    void SetCell(int column, int row, const QString& text);
};

}  // namespace tremblo
