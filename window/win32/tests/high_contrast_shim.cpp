// SPDX-License-Identifier: MIT
// Loaded into zirev1.exe by the high-contrast check. Wine 8 reports high contrast off whatever is
// set (SPI_SETHIGHCONTRAST fails), so the program's import of SystemParametersInfoW is pointed
// here, where SPI_GETHIGHCONTRAST says it is on; every other question, and every colour, is the
// system's. The load fails where the import is not found, so the check cannot pass unknowingly.
#include <windows.h>

#include <cstring>

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

bool redirectImport() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* module =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         module->Name != 0; ++module) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + module->Name), "user32.dll") != 0) {
            continue;
        }
        const auto* names =
            reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) ||
                std::strcmp(
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)
                        ->Name,
                    "SystemParametersInfoW") != 0) {
                continue;
            }
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                           &protection);
            systemParametersInfo =
                reinterpret_cast<decltype(systemParametersInfo)>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(&sayingHighContrastIsOn);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    return reason != DLL_PROCESS_ATTACH || redirectImport();
}
