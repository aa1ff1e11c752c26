// SPDX-License-Identifier: MIT
#pragma once

#include "form2_page.h"

#include <string>
#include <vector>

namespace zirev1 {

// What only the Win32 working shows, on a newly started window: it is not made until Svolgimento
// is pressed; then every control's place at the dpi, its title, columns and Tab order, the
// clipboard's HTML with its header's offsets, and that closing it leaves Form2 going and opening
// it again shows the triangle calculated meanwhile. Returns what failed.
std::vector<std::string> checkWorkingWindow(const Form2Page& page, int dpi,
                                            std::string_view separator);

// What a screen reader is told after a calculation: once, the results' sentence, from an
// object whose MSAA name says it. Returns what failed.
std::vector<std::string> checkAnnouncement(const Form2Page& page);

} // namespace zirev1
