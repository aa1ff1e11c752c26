// SPDX-License-Identifier: MIT
#pragma once

// Shared by the resource script and the code that loads its resources.
#define ZIREV1_ICON 1
#define ZIREV1_STAND_IN_FONT_DATA 2

// A control's id is this base plus its index in the form's stacking order; the hidden name
// labels of the fields take ids from the second base.
#define ZIREV1_CONTROL_ID_BASE 100
#define ZIREV1_NAME_LABEL_ID_BASE 1000
// The static of no size that tells screen readers what a calculation gave.
#define ZIREV1_ANNOUNCER_ID 2000
