// SPDX-License-Identifier: MIT
#pragma once

#include "calculate_for_window.h"
#include "print_sheet.h"
#include "working_rows.h"

#include <QWidget>

#include <array>
#include <optional>
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

    // Shows the working of this calculation, which has results, of the sides typed as sideTexts.
    void showWorking(const WindowCalculation& calculation, const std::string& decimalSeparator,
                     const std::array<std::string, 3>& sideTexts);
    void Command3_Click();
    // Prints the sheet of the triangle and its working through the platform's print dialog.
    void Command4_Click();
    // Saves that sheet as a PDF file, where the user chooses.
    void Command5_Click();
    // The sheet as it prints today.
    PrintSheet sheet() const;

private:
    void createControl(const Control& control);

    QTableWidget* m_table = nullptr;
    PictureWidget* m_figure = nullptr;
    std::vector<WorkingSection> m_sections;
    std::optional<WindowCalculation> m_calculation;
    std::string m_separator;
    std::array<std::string, 3> m_sideTexts;
};

} // namespace zirev1
