// SPDX-License-Identifier: MIT
#include "wide_text.h"

#include "unicode_text.h"

namespace zirev1 {

// Windows' wchar_t is a UTF-16 unit, so the form's own codec serves Win32 too.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring toWide(std::string_view utf8) {
    const std::u16string units = toUtf16(utf8);
    return {units.begin(), units.end()};
}

std::string toUtf8(std::wstring_view wide) {
    return zirev1::toUtf8(std::u16string(wide.begin(), wide.end()));
}

} // namespace zirev1
