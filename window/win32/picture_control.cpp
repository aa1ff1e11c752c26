// SPDX-License-Identifier: MIT
#include "picture_control.h"

#include "gdiplus_canvas.h"
#include "wide_text.h"

namespace zirev1 {
namespace {

constexpr wchar_t PICTURE_CLASS[] = L"zirev1.Picture";

const PictureContent* contentOf(HWND picture) {
    return reinterpret_cast<const PictureContent*>(GetWindowLongPtrW(picture, GWLP_USERDATA));
}

void paintPicture(HWND picture) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(picture, &paint);
    const PictureContent* content = contentOf(picture);
    if (content != nullptr && content->tools->family != nullptr &&
        content->tools->paints != nullptr) {
        Gdiplus::Graphics graphics(dc);
        GdiplusCanvas canvas(graphics, *content->tools->family,
                             static_cast<double>(GetDpiForWindow(picture)) /
                                 USER_DEFAULT_SCREEN_DPI);
        drawInWindowColours(content->drawing, canvas, content->tools->paints->colours(),
                            content->input);
    }
    EndPaint(picture, &paint);
}

LRESULT CALLBACK pictureProc(HWND picture, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(
            picture, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_PAINT:
        paintPicture(picture);
        return 0;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND: {
        const PictureContent* content = contentOf(picture);
        if (content != nullptr && content->tools->paints != nullptr &&
            (GetWindowLongPtrW(picture, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0) {
            RECT area;
            GetClientRect(picture, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, content->tools->paints->faceBrush());
        }
        return 1;
    }
    default:
        break;
    }
    return DefWindowProcW(picture, message, wParam, lParam);
}

} // namespace

bool registerPictureClass(HINSTANCE instance) {
    WNDCLASSEXW pictureClass{};
    pictureClass.cbSize = sizeof pictureClass;
    pictureClass.lpfnWndProc = pictureProc;
    pictureClass.hInstance = instance;
    pictureClass.lpszClassName = PICTURE_CLASS;
    return RegisterClassExW(&pictureClass) != 0;
}

HWND createPicture(HWND parent, int id, const Control& control, PictureContent& content) {
    return CreateWindowExW(control.opaque ? 0 : WS_EX_TRANSPARENT, PICTURE_CLASS,
                           toWide(control.accessibleName).c_str(),
                           WS_CHILD | WS_VISIBLE | (control.opaque ? WS_CLIPSIBLINGS : 0), 0, 0, 0,
                           0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), &content);
}

} // namespace zirev1
