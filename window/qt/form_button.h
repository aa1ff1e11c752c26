// SPDX-License-Identifier: MIT
#pragma once

#include "form2_description.h"

#include <QPushButton>

namespace zirev1 {

// A button as a form describes it: caption, name, place and font. Never a default button, so
// that Enter never presses it; Space on it does.
QPushButton* createFormButton(const Control& button, QWidget* parent);

} // namespace zirev1
