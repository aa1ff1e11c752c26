// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zirev1 {

// The form's texts are UTF-8; Win32's Unicode calls take UTF-16.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

} // namespace zirev1
