// SPDX-License-Identifier: MIT
// Loaded into zirev1.exe by the high-contrast check. Wine 8 reports high contrast off whatever is
// set (SPI_SETHIGHCONTRAST fails), so the program's import of SystemParametersInfoW is pointed
// here, where SPI_GETHIGHCONTRAST says it is on; every other question, and every colour, is the
// system's. The load fails where the import is not found, so the check cannot pass unknowingly.
#include "import_redirect.h"

#include <windows.h>

namespace {

decltype(&SystemParametersInfoW) systemParametersInfo = nullptr;

BOOL WINAPI sayingHighContrastIsOn(UINT action, UINT parameter, void* data, UINT update) {
    if (action == SPI_GETHIGHCONTRAST && data != nullptr) {
        auto* highContrast = static_cast<HIGHCONTRASTW*>(data);
        highContrast->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
        highContrast->lpszDefaultScheme = nullptr;
        return TRUE;
    }
    return systemParametersInfo(action, parameter, data, update);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    if (reason != DLL_PROCESS_ATTACH) {
        return TRUE;
    }
    systemParametersInfo = reinterpret_cast<decltype(systemParametersInfo)>(zirev1::redirectImport(
        "user32.dll", "SystemParametersInfoW", reinterpret_cast<void*>(&sayingHighContrastIsOn)));
    return systemParametersInfo != nullptr;
}
