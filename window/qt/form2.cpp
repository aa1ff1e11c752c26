// SPDX-License-Identifier: MIT
#include "form2.h"

#include "arithmetic_fault.h"
#include "calculate_for_window.h"
#include "caption_label.h"
#include "fault_box.h"
#include "fonts.h"
#include "form2_description.h"
#include "form_button.h"
#include "picture_widget.h"
#include "qt_conversions.h"
#include "side_key_filter.h"
#include "spoken_notice.h"
#include "spoken_results.h"
#include "working_form.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QResource>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

namespace zirev1 {
namespace {

// The application's icon, from the raw pixels rendered at build time.
QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        const QResource pixels(QStringLiteral(":/icons/zirev1-%1.argb").arg(size));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        if (pixels.uncompressedSize() == image.sizeInBytes()) {
            std::memcpy(image.bits(), pixels.data(), static_cast<std::size_t>(image.sizeInBytes()));
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

// The character code a key event types, or nothing for keys that type no character (arrows,
// Delete, Home, Tab between controls). Ctrl with a letter types its control character (Ctrl+C
// is 3) even where the platform sends no text for it.
std::optional<QString> typedText(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    if (!key.text().isEmpty()) {
        return key.text();
    }
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A &&
        key.key() <= Qt::Key_Z) {
        return QString(QChar(key.key() - Qt::Key_A + 1));
    }
    return std::nullopt;
}

// Read at every keystroke, as the measures read it at every calculation.
DecimalSeparator userDecimalSeparator() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? DecimalSeparator::Comma
                                                           : DecimalSeparator::Point;
}

} // namespace

Form2::Form2(QWidget* parent) : QWidget(parent) {
    setObjectName(toQString(FORM2.name));
    setWindowTitle(toQString(FORM2.title));
    setWindowIcon(applicationIcon());
    setFont(windowFont(FORM2.defaultFont.pointSize));
    // The restored size; the window opens maximized to show every control.
    resize(twipsToPixels(FORM2.restoredClientSize.width),
           twipsToPixels(FORM2.restoredClientSize.height));

    // Created in stacking order, bottom first.
    for (const Control& control : FORM2.controls) {
        createControl(control);
    }
    const auto child = [this](std::string_view name) {
        return findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly);
    };
    QWidget* previous = nullptr;
    for (const Control* control : tabOrder(FORM2)) {
        QWidget* next = child(control->name);
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    for (std::size_t side = 0; side < m_sideFields.size(); ++side) {
        m_sideFields[side] = static_cast<QLineEdit*>(child(sideField(FORM2, side).name));
    }
    for (std::size_t i = 0; i < m_resultLabels.size(); ++i) {
        m_resultLabels[i] = static_cast<CaptionLabel*>(child(resultLabel(FORM2, i).name));
    }
    m_calculate = static_cast<QPushButton*>(child(calculateButton(FORM2).name));
    m_message = static_cast<CaptionLabel*>(child(controlOfRole(FORM2, Role::Message).name));
    for (const Control& control : FORM2.controls) {
        if (control.drawing == Drawing::ValidityConditions) {
            m_conditions = static_cast<PictureWidget*>(child(control.name));
        }
    }
    m_calculate->setFocus();
    m_spokenResults = new SpokenNotice(this);
}

void Form2::createControl(const Control& control) {
    switch (control.kind) {
    case ControlKind::Label:
        new CaptionLabel(control, this);
        break;
    case ControlKind::Field:
        createSideField(control);
        break;
    case ControlKind::Button: {
        QPushButton* button = createFormButton(control, this);
        if (control.role == Role::Calculate) {
            connect(button, &QPushButton::clicked, this, &Form2::Command1_Click);
        } else if (control.role == Role::OpenWorking) {
            connect(button, &QPushButton::clicked, this, &Form2::Command2_Click);
        }
        break;
    }
    case ControlKind::Picture:
        new PictureWidget(control, this);
        break;
    case ControlKind::Table: // the working's, on its own form
        break;
    }
}

QLineEdit* Form2::createSideField(const Control& control) {
    auto* field = new QLineEdit(this);
    field->setObjectName(toQString(control.name));
    field->setAccessibleName(toQString(control.accessibleName));
    field->setGeometry(toQRect(control.startPlace()));
    field->setFont(windowFont(control.font.pointSize));
    field->setMaxLength(std::numeric_limits<int>::max()); // no limit: a paste is never cut short
    field->installEventFilter(this);
    return field;
}

// A box that names the fault and says, in a line, what it means for the sides typed. It is modal
// to the window, which is the program's only one, and opened without a nested event loop.
void Form2::reportFault(FaultKind fault) {
    auto* box = new QMessageBox(QMessageBox::Critical, toQString(FAULT_BOX_TITLE),
                                toQString(faultName(fault)), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QFont dialogFont = windowFont(SMALL_FONT.pointSize);
    dialogFont.setWeight(QFont::Normal); // an ordinary dialog, not the window's heavy captions
    box->setFont(dialogFont);
    box->setInformativeText(toQString(faultExplanation(fault)));
    // QMessageBox sizes itself by its short main text and would wrap the explanation into a
    // narrow column; a spacer in its grid gives it room for a line or two.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(340, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    m_faultBox = box;
    m_spokenResults->withdraw();
    box->open();
}

void Form2::Command1_Click() {
    // A click can still reach the button behind the box (a script's, or an accessibility
    // action's); one fault is reported at a time.
    if (m_faultBox != nullptr && m_faultBox->isVisible()) {
        return;
    }
    const auto side = [this](std::size_t i) { return m_sideFields[i]->text().toStdString(); };
    const std::string separator = QLocale().decimalPoint().toStdString();
    const auto calculation = calculateForWindow(side(0), side(1), side(2), separator);
    if (calculation.faulted()) {
        showReport({}, separator);
        reportFault(calculation.fault());
        return;
    }
    QString spoken;
    if (calculation->results) {
        const ResultTexts& results = *calculation->results;
        for (std::size_t i = 0; i < m_resultLabels.size(); ++i) {
            m_resultLabels[i]->setCaption(QString::fromStdString(results.texts[i]));
        }
        spoken = QString::fromStdString(m_sentence.sentence(results.texts));
        m_lastValid = *calculation;
        m_lastSeparator = separator;
        m_lastSides = {side(0), side(1), side(2)};
        if (m_working != nullptr) {
            m_working->showWorking(*m_lastValid, m_lastSeparator, m_lastSides);
        }
    }
    showReport(calculation->report, separator);
    const QString message = m_message->text();
    if (!message.isEmpty()) {
        spoken += spoken.isEmpty() ? message : QStringLiteral(". ") + message;
    }
    if (!spoken.isEmpty()) {
        m_spokenResults->say(spoken);
    }
}

void Form2::showReport(const InputReport& report, const std::string& decimalSeparator) {
    m_message->setCaption(QString::fromStdString(windowMessage(report, decimalSeparator)));
    m_conditions->setInput({markedCondition(report), std::nullopt},
                           QString::fromStdString(markedConditionText(report)));
}

void Form2::Command2_Click() {
    if (m_working == nullptr) {
        m_working = new WorkingForm(this);
        if (m_lastValid) {
            m_working->showWorking(*m_lastValid, m_lastSeparator, m_lastSides);
        }
    }
    m_working->show();
    m_working->raise();
    m_working->activateWindow();
}

void Form2::text1_KeyPress(std::int16_t& keyAscii) {
    filterSideKey(keyAscii, userDecimalSeparator());
}

void Form2::text2_KeyPress(std::int16_t& keyAscii) {
    filterSideKey(keyAscii, userDecimalSeparator());
}

void Form2::text4_KeyPress(std::int16_t& keyAscii) {
    filterSideKey(keyAscii, userDecimalSeparator());
}

Form2::KeyPressHandler Form2::keyPressHandlerFor(const QObject* field) const {
    constexpr KeyPressHandler HANDLERS[] = {&Form2::text1_KeyPress, &Form2::text2_KeyPress,
                                            &Form2::text4_KeyPress};
    const auto found = std::find(m_sideFields.begin(), m_sideFields.end(), field);
    return found == m_sideFields.end() ? nullptr : HANDLERS[found - m_sideFields.begin()];
}

// The characters of a typed or committed text that the field's handler lets through, as it
// leaves them (a decimal comma comes out as the point). Backspace passes the handler as the key
// that deletes; inside a text to insert it would be a stray control character, so it is kept
// only when it is the whole keystroke.
QString Form2::acceptedCharacters(const QString& typed, KeyPressHandler handler) {
    QString accepted;
    for (const QChar ch : typed) {
        auto keyAscii = static_cast<std::int16_t>(ch.unicode());
        (this->*handler)(keyAscii);
        if (keyAscii != 0 && (keyAscii != '\b' || typed.size() == 1)) {
            accepted += QChar(static_cast<char16_t>(keyAscii));
        }
    }
    return accepted;
}

// Each character typed into a side field passes its field's handler before the field sees it,
// whether it comes from a key or is committed by an input method.
bool Form2::eventFilter(QObject* watched, QEvent* event) {
    const KeyPressHandler handler = keyPressHandlerFor(watched);
    if (handler == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    auto* field = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        const auto typed = typedText(*static_cast<QKeyEvent*>(event));
        if (!typed) {
            return false;
        }
        const QString accepted = acceptedCharacters(*typed, handler);
        if (accepted == *typed) {
            return false; // the field handles it as usual, backspace included
        }
        if (!accepted.isEmpty()) {
            field->insert(accepted);
        }
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        const QString& commit = input->commitString();
        const QString accepted = commit.size() == 1 && commit.front() == QLatin1Char('\b')
                                     ? QString()
                                     : acceptedCharacters(commit, handler);
        if (accepted == commit) {
            return false;
        }
        QInputMethodEvent filtered(input->preeditString(), input->attributes());
        filtered.setCommitString(accepted, input->replacementStart(), input->replacementLength());
        field->removeEventFilter(this);
        QCoreApplication::sendEvent(field, &filtered);
        field->installEventFilter(this);
        return true;
    }
    return false;
}

} // namespace zirev1
