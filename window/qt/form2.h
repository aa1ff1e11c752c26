// SPDX-License-Identifier: MIT
#pragma once

#include "arithmetic_fault.h"
#include "calculate_for_window.h"
#include "result_texts.h"
#include "spoken_results.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class QLineEdit;
class QMessageBox;
class QPushButton;

namespace zirev1 {

class CaptionLabel;
class PictureWidget;
class SpokenNotice;
class WorkingForm;
struct Control;

// The calculator's one window, built from the form's description: explanatory labels, the three
// side fields, the Calculate button, twelve result labels and three pictures, all at fixed places
// in twips.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

    // Reads the three fields, solves the triangle and writes the twelve result labels; invalid
    // sides change nothing, and a fault is reported in a modal box with every label left as it
    // was. While that box is open, nothing is calculated.
    void Command1_Click();
    // Opens Svolgimento, the working of the last valid triangle, or brings it forward; it is made
    // only when first opened.
    void Command2_Click();

    // Called for every character typed into a side field before the field inserts it; setting
    // keyAscii to 0 cancels the character, and where the user's decimal separator is the comma a
    // typed comma comes back as the point.
    void text1_KeyPress(std::int16_t& keyAscii);
    void text2_KeyPress(std::int16_t& keyAscii);
    void text4_KeyPress(std::int16_t& keyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using KeyPressHandler = void (Form2::*)(std::int16_t&);

    void createControl(const Control& control);
    QLineEdit* createSideField(const Control& field);
    void reportFault(FaultKind fault);
    void showReport(const InputReport& report, const std::string& decimalSeparator);
    KeyPressHandler keyPressHandlerFor(const QObject* field) const;
    QString acceptedCharacters(const QString& typed, KeyPressHandler handler);

    std::array<QLineEdit*, 3> m_sideFields{};                       // a, b, c
    std::array<CaptionLabel*, ResultTexts::count> m_resultLabels{}; // in writing order
    QPushButton* m_calculate = nullptr;
    CaptionLabel* m_message = nullptr;
    PictureWidget* m_conditions = nullptr; // the validity conditions, which mark a failing one
    WorkingForm* m_working = nullptr;
    std::optional<WindowCalculation> m_lastValid; // what the working shows
    std::string m_lastSeparator;
    SpokenNotice* m_spokenResults = nullptr; // what a screen reader says after a calculation
    SpokenResults m_sentence = spokenResults(FORM2);
    QPointer<QMessageBox> m_faultBox; // the last fault box, until it is closed and deleted
};

} // namespace zirev1
