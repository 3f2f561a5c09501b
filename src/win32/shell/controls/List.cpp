// A list: a LISTBOX with a single selection. A press selects the line under
// the pointer before MouseDown runs; a line too wide for it is reached by
// scrolling sideways.
#include <algorithm>

#include "win32/port/DpiMetrics.h"
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/controls/ChildCommon.h"
#include "win32/shell/controls/ItemList.h"
#include "win32/shell/controls/Pointer.h"
#include "win32/shell/Gdi.h"

namespace vantrel::win32 {
namespace {

ListBox& Of(Control& control) { return static_cast<ListBox&>(control); }

// The list shows its horizontal scroll bar while the widest line does not fit.
void FitListExtent(ControlSite& site, const ChildWindow& child) {
    WindowDc dc(child.hwnd);
    if (!dc.Get()) return;
    Selection font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(child.hwnd, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::wstring& line : child.shown) {
        SIZE size{};
        if (GetTextExtentPoint32W(dc.Get(), line.c_str(), static_cast<int>(line.size()), &size))
            widest = std::max(widest, size.cx);
    }
    // The list draws each line a little in from its left edge.
    const LONG extent = widest > 0 ? widest + 2 * MetricForDpi(SM_CXEDGE, site.Dpi()) : 0;
    SendMessageW(child.hwnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

class ListWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite& site, ChildWindow& child, const RECT& place) const override {
        const DWORD style = ChildStyle(*child.control) | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT;
        return CreateChildWindow(site, child, *this, place, WC_LISTBOXW, style, WS_EX_CLIENTEDGE);
    }

    void Push(ControlSite& site, ChildWindow& child) const override {
        ListBox& list = Of(*child.control);
        if (PushItems(child, list.Items(), kListItems)) FitListExtent(site, child);
        if (SendMessageW(child.hwnd, LB_GETCURSEL, 0, 0) != list.ListIndex())
            SendMessageW(child.hwnd, LB_SETCURSEL, static_cast<WPARAM>(list.ListIndex()), 0);
        PushShown(site, child);
    }

    void Fit(ControlSite& site, ChildWindow& child) const override { FitListExtent(site, child); }

    bool Route(ControlSite& site, ChildWindow& child, HWND hwnd, UINT message, WPARAM& wParam,
               LPARAM lParam, LRESULT&) const override {
        if (!IsMouseMessage(message) && message != BM_CLICK) return false;
        if (RefusedWhileDisabled(child, child.hwnd, message)) return true;
        ListBox& list = Of(*child.control);
        if (message == WM_MOUSEMOVE) {
            RaiseMouseMove(site, list, wParam, lParam);
            return false;
        }
        MouseArgs args = MouseArgsAt(site, lParam);
        args.button = ButtonOf(message);
        if (IsButtonDown(message)) {
            // The press selects the line under the pointer first.
            CallWindowProcW(child.original, hwnd, message, wParam, lParam);
            const auto line = static_cast<int>(SendMessageW(hwnd, LB_GETCURSEL, 0, 0));
            site.Dispatch([&list, line, args] {
                list.SetListIndex(line);
                if (list.MouseDown) list.MouseDown(args);
            });
            return true;
        }
        if (IsButtonUp(message)) {
            CallWindowProcW(child.original, hwnd, message, wParam, lParam);
            site.Dispatch([&list, args] {
                if (list.MouseUp) list.MouseUp(args);
            });
            return true;
        }
        return false;
    }

    void Notify(ControlSite& site, ChildWindow& child, UINT code) const override {
        if (code != LBN_SELCHANGE) return;
        const auto index = static_cast<int>(SendMessageW(child.hwnd, LB_GETCURSEL, 0, 0));
        ListBox& list = Of(*child.control);
        site.Dispatch([&list, index] {
            list.SetListIndex(index);
            if (list.Click) list.Click();
        });
    }
};

}  // namespace

const ControlAdapter& ListAdapter() {
    static const ListWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
