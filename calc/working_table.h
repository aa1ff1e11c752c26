// SPDX-License-Identifier: MIT
#pragma once

#include "working_rows.h"

#include <span>
#include <string>

namespace zirev1 {

// The working as a table for the clipboard, one value to a cell: a heading row, then each
// section's name on a row of its own and its rows as quantity, working and value.
//
// Tab-separated text, lines ended by CR LF, as spreadsheets paste it; a tab or line break inside a
// cell becomes a space.
std::string workingTabSeparated(std::span<const WorkingSection> sections);
// The same table in HTML, its texts escaped.
std::string workingHtmlTable(std::span<const WorkingSection> sections);

} // namespace zirev1
