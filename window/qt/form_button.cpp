// SPDX-License-Identifier: MIT
#include "form_button.h"

#include "fonts.h"
#include "qt_conversions.h"

namespace zirev1 {

QPushButton* createFormButton(const Control& control, QWidget* parent) {
    auto* button = new QPushButton(toQString(control.caption), parent);
    button->setObjectName(toQString(control.name));
    button->setGeometry(toQRect(control.startPlace()));
    button->setFont(windowFont(control.font.pointSize));
    button->setAutoDefault(false);
    return button;
}

} // namespace zirev1
