#pragma once
// The record information of the main window: fixed captions and the value
// labels Label6 ... Label30 that every load fills.
#include <QWidget>
#include <string>
#include <vector>

#include "record/record_labels.h"

class QLabel;

namespace tremblo {

class RecordInfoPanel : public QWidget {
    Q_OBJECT
public:
    // `intensityExamples`: texts the intensity line may show; the widest sizes it.
    explicit RecordInfoPanel(const std::vector<std::string>& intensityExamples, QWidget* parent = nullptr);

    void Show(const RecordLabels& labels);
    // The line under the others: the JMA intensity of a three-component record, or "".
    void ShowIntensity(const QString& text);
    // The value label by its name ("Label6" ... "Label30").
    QLabel* valueLabel(const char* name) const;

private:
    QLabel* AddValue(const char* name, const char* caption, int x, int y, int width);
};

}  // namespace tremblo
