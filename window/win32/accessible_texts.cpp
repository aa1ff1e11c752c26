// SPDX-License-Identifier: MIT
// First, so that oleacc.h defines the annotation service's class and interface ids here.
#include <initguid.h>

#include "accessible_texts.h"

#include <iterator>
#include <string>

namespace zirev1 {

IAccPropServices* annotationService() {
    IAccPropServices* annotations = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&annotations)))) {
        return nullptr;
    }
    return annotations;
}

void nameForScreenReaders(IAccPropServices* annotations, HWND control, std::wstring_view name) {
    if (annotations != nullptr) {
        annotations->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    PROPID_ACC_NAME, std::wstring(name).c_str());
    }
}

void describeForScreenReaders(IAccPropServices* annotations, HWND control,
                              std::wstring_view description) {
    const std::wstring text(description);
    if (annotations != nullptr) {
        annotations->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    PROPID_ACC_DESCRIPTION, text.c_str());
    }
    forgetDescription(control);
    if (!text.empty()) {
        SetPropW(control, DESCRIPTION_PROPERTY,
                 reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomW(text.c_str()))));
    }
}

void forgetDescription(HWND control) {
    if (HANDLE atom = RemovePropW(control, DESCRIPTION_PROPERTY)) {
        GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(atom)));
    }
}

} // namespace zirev1
