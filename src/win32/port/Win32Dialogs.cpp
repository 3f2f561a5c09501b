// The common file-open dialog and popup menus.
#include "win32/port/Win32Dialogs.h"

#include <commdlg.h>

#include "win32/port/Dpi.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

// Room for the longest path Windows allows.
constexpr DWORD kPathBuffer = 32768;

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

using GetOpenFileNameFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);

// comdlg32 is loaded when the dialog is first asked for, not imported: it
// brings the print spooler with it (and under Wine the host's printing
// libraries), some 4 MB of memory for a dialog that most runs never show.
GetOpenFileNameFunction OpenFileNameFunction() {
    static const GetOpenFileNameFunction function = [] {
        HMODULE module = ::LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return module ? reinterpret_cast<GetOpenFileNameFunction>(
                            reinterpret_cast<void*>(::GetProcAddress(module, "GetOpenFileNameW")))
                      : nullptr;
    }();
    return function;
}

}  // namespace

std::wstring FileDialogFilter(const std::wstring& filter) {
    if (filter.empty()) return {};
    std::wstring pairs = filter;
    for (wchar_t& c : pairs)
        if (c == L'|') c = L'\0';
    // The last string's end, then the list's end.
    pairs.push_back(L'\0');
    pairs.push_back(L'\0');
    return pairs;
}

UniqueMenu BuildPopupMenu(const std::vector<PopupItem>& items) {
    UniqueMenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    for (const PopupItem& item : items) {
        if (item.separator) {
            ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::wstring text = item.caption;
        if (!item.shortcut.empty()) text += L"\t" + item.shortcut;
        UINT flags = MF_STRING;
        if (item.checked) flags |= MF_CHECKED;
        if (!item.enabled) flags |= MF_GRAYED;
        if (!item.children.empty()) {
            UniqueMenu submenu = BuildPopupMenu(item.children);
            if (!submenu) return UniqueMenu();
            // Once attached, the submenu is destroyed with its parent.
            if (::AppendMenuW(menu.get(), flags | MF_POPUP,
                              reinterpret_cast<UINT_PTR>(submenu.get()), text.c_str()))
                submenu.release();
            continue;
        }
        ::AppendMenuW(menu.get(), flags, static_cast<UINT_PTR>(item.id), text.c_str());
    }
    return menu;
}

std::wstring Win32Port::OpenFileDialog(WindowHandle owner, const std::wstring& title,
                                       const std::wstring& filter) {
    if (beforeModal_) beforeModal_();
    const std::wstring pairs = FileDialogFilter(filter);
    std::wstring file(kPathBuffer, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ToHwnd(owner);
    dialog.lpstrFilter = pairs.empty() ? nullptr : pairs.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kPathBuffer;
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                   OFN_NOCHANGEDIR | OFN_ENABLESIZING;
    const GetOpenFileNameFunction getOpenFileName = OpenFileNameFunction();
    if (!getOpenFileName || !getOpenFileName(&dialog)) return {};
    file.resize(file.find(L'\0'));
    return file;
}

namespace {

// Shows the menu at a point on the screen and returns the chosen id.
int TrackPopup(HWND owner, const std::vector<PopupItem>& items, POINT at) {
    UniqueMenu menu = BuildPopupMenu(items);
    if (!menu) return 0;
    // Without the owner in the foreground the menu would not close when the
    // user clicks elsewhere; the posted message lets it close properly.
    ::SetForegroundWindow(owner);
    const int chosen = static_cast<int>(::TrackPopupMenu(
        menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0,
        owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace

bool Win32Port::ShowHelp(WindowHandle owner, const std::wstring& helpFile, unsigned command) {
    if (beforeModal_) beforeModal_();
    return ::WinHelpW(ToHwnd(owner), helpFile.c_str(), command, 0) != FALSE;
}

int Win32Port::PopupMenu(WindowHandle owner, const std::vector<PopupItem>& items, int xTwips,
                         int yTwips) {
    if (beforeModal_) beforeModal_();
    HWND hwnd = ToHwnd(owner);
    if (!::IsWindow(hwnd) || items.empty()) return 0;
    const int dpi = WindowDpi(hwnd);
    POINT at{TwipsToPixels(xTwips, dpi), TwipsToPixels(yTwips, dpi)};
    ::ClientToScreen(hwnd, &at);
    return TrackPopup(hwnd, items, at);
}

int Win32Port::PopupMenuAtCursor(WindowHandle owner, const std::vector<PopupItem>& items) {
    if (beforeModal_) beforeModal_();
    HWND hwnd = ToHwnd(owner);
    if (!::IsWindow(hwnd) || items.empty()) return 0;
    POINT at{};
    ::GetCursorPos(&at);
    return TrackPopup(hwnd, items, at);
}

}  // namespace vantrel::win32
