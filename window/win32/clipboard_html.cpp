// SPDX-License-Identifier: MIT
#include "clipboard_html.h"

namespace zirev1 {
namespace {

constexpr std::string_view BEFORE_FRAGMENT =
    "<html><head><meta charset=\"utf-8\"></head><body>\r\n<!--StartFragment-->";
constexpr std::string_view AFTER_FRAGMENT = "<!--EndFragment-->\r\n</body></html>";

std::string tenDigits(std::size_t offset) {
    const std::string digits = std::to_string(offset);
    std::string padded(10 - digits.size(), '0');
    padded += digits;
    return padded;
}

// Appended piece by piece: GCC 12 at -O3 takes a literal put before a temporary string for an
// overlapping copy (-Wrestrict).
std::string header(std::size_t startHtml, std::size_t endHtml, std::size_t startFragment,
                   std::size_t endFragment) {
    std::string text = "Version:0.9\r\nStartHTML:";
    text += tenDigits(startHtml);
    text += "\r\nEndHTML:";
    text += tenDigits(endHtml);
    text += "\r\nStartFragment:";
    text += tenDigits(startFragment);
    text += "\r\nEndFragment:";
    text += tenDigits(endFragment);
    text += "\r\n";
    return text;
}

} // namespace

std::string clipboardHtml(std::string_view fragment) {
    const std::size_t startHtml = header(0, 0, 0, 0).size();
    const std::size_t startFragment = startHtml + BEFORE_FRAGMENT.size();
    const std::size_t endFragment = startFragment + fragment.size();
    const std::size_t endHtml = endFragment + AFTER_FRAGMENT.size();
    std::string html = header(startHtml, endHtml, startFragment, endFragment);
    html += BEFORE_FRAGMENT;
    html += fragment;
    html += AFTER_FRAGMENT;
    return html;
}

} // namespace zirev1
