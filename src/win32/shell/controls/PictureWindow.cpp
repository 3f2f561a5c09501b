#include "win32/shell/controls/PictureWindow.h"

#include "win32/shell/WindowBase.h"

namespace vantrel::win32 {
namespace {

// The font WM_SETFONT gave (the class keeps no other state: the shell's
// subclass owns GWLP_USERDATA).
constexpr int kFontSlot = 0;

// The parent draws the face (WM_DRAWITEM), with the colours it answers to
// WM_CTLCOLORSTATIC set in the DC, as for an owner-drawn static.
void AskParentToDraw(HWND hwnd, HDC dc) {
    HWND parent = GetParent(hwnd);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED;
    item.hwndItem = hwnd;
    item.hDC = dc;
    GetClientRect(hwnd, &item.rcItem);
    auto* font = reinterpret_cast<HFONT>(GetWindowLongPtrW(hwnd, kFontSlot));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
    SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    if (old) SelectObject(dc, old);
}

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTCLIENT;  // the mouse is the shell's: it raises the clicks
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_ERASEBKGND:
        return 1;  // the whole face is drawn in WM_PAINT
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SETFONT:
        SetWindowLongPtrW(hwnd, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(hwnd, kFontSlot);
    case WM_PRINTCLIENT:
        AskParentToDraw(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(hwnd, &paint)) {
            AskParentToDraw(hwnd, dc);
            EndPaint(hwnd, &paint);
        }
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterPictureClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_PARENTDC;
    wc.lpfnWndProc = &PictureProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPictureClass;
    return RegisterClassIfNew(wc);
}

}  // namespace vantrel::win32
