// SPDX-License-Identifier: MIT
#include "decimal_separator.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#endif

namespace zirev1 {

#ifdef _WIN32

std::string userDecimalSeparator() {
    wchar_t wide[LOCALE_NAME_MAX_LENGTH];
    const int wideLength =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, wide, LOCALE_NAME_MAX_LENGTH);
    if (wideLength <= 1) {
        return ".";
    }
    char utf8[4 * LOCALE_NAME_MAX_LENGTH];
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return length > 1 ? std::string(utf8, static_cast<std::size_t>(length - 1)) : ".";
}

#else

std::string userDecimalSeparator() {
    std::string separator = ".";
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        const char* point = std::localeconv()->decimal_point;
        if (point != nullptr && *point != '\0') {
            separator = point;
        }
    }
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

#endif

} // namespace zirev1
