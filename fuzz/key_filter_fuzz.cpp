// SPDX-License-Identifier: MIT
// Property: whatever is typed into a side field, through keys, Ctrl key combinations or
// input-method commits, in a locale whose decimal separator is the point or the comma, the field
// holds only the characters of a number.

#include "form2.h"
#include "form2_description.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <cstdint>
#include <cstdlib>

namespace {

QApplication* application = nullptr;
zirev1::Form2* form = nullptr;

// Keys that type no character, or a character the filter must judge; none opens a menu.
constexpr Qt::Key EDITING_KEYS[] = {
    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
    Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Tab,   Qt::Key_Space};

void send(QLineEdit* field, QEvent* event) {
    QApplication::sendEvent(field, event);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    form = new zirev1::Form2;
    form->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto* field = form->findChild<QLineEdit*>(
        QString::fromUtf8(zirev1::sideField(zirev1::FORM2, 0).name.data(),
                          static_cast<qsizetype>(zirev1::sideField(zirev1::FORM2, 0).name.size())));
    field->setText(QString());
    field->setFocus();
    std::size_t i = 0;
    const auto next = [&]() -> unsigned { return i < size ? data[i++] : 0; };
    QLocale::setDefault(next() & 1 ? QLocale(QLocale::Italian, QLocale::Italy) : QLocale::c());
    while (i < size) {
        const unsigned kind = next() % 4;
        if (kind == 0) { // a key typing one UTF-16 unit
            const auto unit = static_cast<char16_t>(next() | next() << 8);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                            QString(QChar(unit)));
            send(field, &press);
        } else if (kind == 1) {
            const Qt::Key key = EDITING_KEYS[next() % std::size(EDITING_KEYS)];
            const auto modifiers = (next() & 1) ? Qt::ShiftModifier : Qt::NoModifier;
            QKeyEvent press(QEvent::KeyPress, key, modifiers);
            send(field, &press);
        } else if (kind == 2) { // an input-method commit of a few units
            QString commit;
            for (unsigned n = next() % 6; n > 0; --n) {
                commit += QChar(static_cast<char16_t>(next() | next() << 8));
            }
            QInputMethodEvent event;
            event.setCommitString(commit);
            send(field, &event);
        } else { // Ctrl with a letter: copy, paste, cut, undo, redo, select all, ...
            const auto letter = static_cast<Qt::Key>(Qt::Key_A + next() % 26);
            QKeyEvent press(QEvent::KeyPress, letter, Qt::ControlModifier);
            send(field, &press);
        }
    }
    for (const QChar ch : field->text()) {
        if (!QStringLiteral("-+.0123456789").contains(ch)) {
            std::abort();
        }
    }
    return 0;
}
