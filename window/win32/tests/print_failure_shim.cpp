// SPDX-License-Identifier: MIT
// Loaded into zirev1.exe by the print failure check: the print dialog fails at once, as it does
// on a system whose printing service is broken, so that what the window then says can be seen.
// The load fails where the import is not found, so the check cannot pass unknowingly.
#include "import_redirect.h"

#include <windows.h>

#include <commdlg.h>

namespace {

HRESULT WINAPI failing(PRINTDLGEXW*) {
    return E_FAIL;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    return reason != DLL_PROCESS_ATTACH ||
           zirev1::redirectImport("comdlg32.dll", "PrintDlgExW",
                                  reinterpret_cast<void*>(&failing)) != nullptr;
}
