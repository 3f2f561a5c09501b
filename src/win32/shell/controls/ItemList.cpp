#include "win32/shell/controls/ItemList.h"

#include "win32/shell/ItemEdit.h"

namespace vantrel::win32 {
namespace {

// Above this many changed lines a list stops redrawing until it is filled.
constexpr std::size_t kBulkLines = 64;

}  // namespace

bool PushItems(ChildWindow& child, const std::vector<std::wstring>& items, const ItemMessages& messages) {
    const ItemEdit edit = PlanItemEdit(child.shown, items);
    if (edit.None()) return false;
    HWND hwnd = child.hwnd;
    // A list not on screen (its form not shown yet) is filled quietly too:
    // each line would otherwise set its scroll bar, a round trip each.
    const bool onScreen = IsWindowVisible(hwnd) != FALSE;
    const bool bulk = edit.remove + edit.insert > kBulkLines || !onScreen;
    if (bulk) SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    if (edit.remove > 0 && edit.remove == child.shown.size()) {
        SendMessageW(hwnd, messages.reset, 0, 0);
    } else {
        for (std::size_t k = 0; k < edit.remove; ++k) SendMessageW(hwnd, messages.remove, edit.at, 0);
    }
    if (edit.insert > kBulkLines) {
        std::size_t chars = 0;
        for (std::size_t k = 0; k < edit.insert; ++k) chars += items[edit.at + k].size() + 1;
        SendMessageW(hwnd, messages.reserve, edit.insert, static_cast<LPARAM>(chars * sizeof(wchar_t)));
    }
    // Lines that go to the end are appended (-1); the others are inserted.
    const std::size_t keptTail = child.shown.size() - edit.at - edit.remove;
    for (std::size_t k = 0; k < edit.insert; ++k) {
        const WPARAM at = keptTail == 0 ? static_cast<WPARAM>(-1) : edit.at + k;
        SendMessageW(hwnd, messages.insert, at, reinterpret_cast<LPARAM>(items[edit.at + k].c_str()));
    }
    child.shown = items;
    if (bulk) {
        SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
        if (onScreen) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return true;
}

}  // namespace vantrel::win32
