// SPDX-License-Identifier: MIT
#pragma once

#include "calculate_for_window.h"
#include "working_rows.h"

#include <QWidget>

#include <string>
#include <vector>

class QTableWidget;

namespace zirev1 {

class PictureWidget;
struct Control;

// Svolgimento, the working of the last valid triangle, built from its description: the table of
// quantities with the student's numbers, the triangle to scale and Copia, which puts the table on
// the clipboard as text for a spreadsheet's cells and as HTML.
class WorkingForm : public QWidget {
    Q_OBJECT

public:
    explicit WorkingForm(QWidget* parent);

    // Shows the working of this calculation, which has results.
    void showWorking(const WindowCalculation& calculation, const std::string& decimalSeparator);
    void Command3_Click();

private:
    void createControl(const Control& control);

    QTableWidget* m_table = nullptr;
    PictureWidget* m_figure = nullptr;
    std::vector<WorkingSection> m_sections;
};

} // namespace zirev1
