// SPDX-License-Identifier: MIT
#include "decimal_separator.h"

#include <clocale>

namespace zirev1 {

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

} // namespace zirev1
