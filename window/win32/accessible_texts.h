// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zirev1 {

// The property that holds a control's description as a global atom: a fallback for screen
// readers and tests where dynamic annotation is not available.
inline constexpr wchar_t DESCRIPTION_PROPERTY[] = L"zirev1.AccessibleDescription";

// The annotation service, or null where the system has none (a stripped Wine); the caller
// releases it.
IAccPropServices* annotationService();

// The control's MSAA name, by dynamic annotation where there is the service.
void nameForScreenReaders(IAccPropServices* annotations, HWND control, std::wstring_view name);
// The control's MSAA description, by dynamic annotation and as the property; empty: none.
void describeForScreenReaders(IAccPropServices* annotations, HWND control,
                              std::wstring_view description);
// The property's atom given back; before the control goes.
void forgetDescription(HWND control);

// The validity conditions as the window and its behaviour name them.
inline constexpr std::string_view VALIDITY_CONDITIONS[] = {"p − a", "p − b", "p − c"};

} // namespace zirev1
