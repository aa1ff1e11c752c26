// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zirev1 {

// An HTML fragment as the clipboard's "HTML Format" holds it: UTF-8, after a header that gives
// the byte offsets of the document and of the fragment within the whole, each in ten digits.
//
//   clipboardHtml("<table>…</table>") -> "Version:0.9\r\nStartHTML:0000000105\r\n…"
std::string clipboardHtml(std::string_view fragment);

} // namespace zirev1
