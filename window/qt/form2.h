// SPDX-License-Identifier: MIT
#pragma once

#include "arithmetic_fault.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QLineEdit;
class QPushButton;

namespace zirev1 {

class CaptionLabel;
struct Control;

// The calculator's one window, built from the form's description: explanatory labels, the three
// side fields, the Calculate button, twelve result labels and three pictures, all at fixed places
// in twips.
class Form2 : public QWidget {
    Q_OBJECT

public:
    // How an arithmetic fault reaches the user; by default a modal error box. Tests replace it so
    // that no dialog blocks them.
    using FaultReporter = std::function<void(QWidget* parent, FaultKind fault)>;

    explicit Form2(QWidget* parent = nullptr);

    void setFaultReporter(FaultReporter reporter);

    // Reads the three fields, solves the triangle and writes the twelve result labels; invalid
    // sides change nothing, and a fault is reported with every label left as it was.
    void Command1_Click();

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
    KeyPressHandler keyPressHandlerFor(const QObject* field) const;
    QString acceptedCharacters(const QString& typed, KeyPressHandler handler);

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text4 = nullptr;
    class QPushButton* Command1 = nullptr;
    std::array<CaptionLabel*, 12> m_resultLabels{}; // in the order the results are written
    FaultReporter m_reportFault;
};

} // namespace zirev1
