// SPDX-License-Identifier: MIT
#pragma once

#include "working_rows.h"

#include <windows.h>

#include <span>

namespace zirev1 {

// Puts the working on the clipboard as a table: tab-separated Unicode text, which any program
// pastes, and HTML, which word processors and spreadsheets paste as a table. False if the
// clipboard could not be had.
bool putWorkingOnClipboard(HWND owner, std::span<const WorkingSection> sections);

} // namespace zirev1
