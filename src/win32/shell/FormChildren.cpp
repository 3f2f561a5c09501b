// The form's control windows: each made by its kind's adapter at the
// control's place, stacked for Tab and for painting, mirrored when the
// control's state changed, and given its tooltip.

#include "win32/shell/CommonControls.h"
#include "win32/shell/DrawnControls.h"
#include "win32/shell/FormIds.h"
#include "win32/shell/FormWindow.h"
#include "win32/shell/ZOrder.h"
#include "win32/shell/controls/ChildCommon.h"

namespace vantrel::win32 {
namespace {

// Temporarily marks the window as pushing, so the notifications our own
// changes cause are not taken for the user's.
class PushScope {
public:
    explicit PushScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    PushScope(const PushScope&) = delete;
    PushScope& operator=(const PushScope&) = delete;
    ~PushScope() { flag_ = saved_; }

private:
    bool& flag_;
    bool saved_;
};

}  // namespace

void FormWindow::ListChildren() {
    const auto& controls = form_.Controls();
    children_.resize(controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        children_[i].owner = this;
        children_[i].control = controls[i];
        children_[i].index = static_cast<int>(i);
    }
}

void FormWindow::PlanDrawnChildren() {
    // Decided once over every control with a place on the form, shown or
    // not: a control shown later finds the others as they were planned.
    std::vector<DrawCandidate> items;
    std::vector<Child*> placed;
    for (Child& child : children_) {
        const ControlAdapter& adapter = AdapterFor(child.control->Kind());
        if (!adapter.Windowed()) continue;
        items.push_back({child.control->Bounds(),
                         adapter.Drawable(*child.control) && NeedsNoWindow(*child.control)});
        placed.push_back(&child);
    }
    const std::vector<bool> drawn = PlanDrawnControls(items);
    for (std::size_t i = 0; i < placed.size(); ++i) placed[i]->drawn = drawn[i];
}

void FormWindow::CreateChildWindows() {
    if (childWindowsMade_) return;
    childWindowsMade_ = true;
    PlanDrawnChildren();
    // Hidden controls (the picture holders, a field shown only on demand)
    // get theirs when they are first made visible. The rest are made from
    // the top of the stack down: a new child window goes below its
    // siblings, so they stand stacked as made.
    std::vector<Child*> made;
    std::vector<Stacked> items;
    for (Child& child : children_)
        if (child.control->Visible() && !child.drawn && AdapterFor(child.control->Kind()).Windowed()) {
            made.push_back(&child);
            items.push_back({child.control->Bounds(), child.control->TabStop()});
        }
    for (std::size_t index : PlanZOrder(items)) MakeChildWindow(*made[index]);
    SetIcons();
    for (Child& child : children_)
        if (child.hwnd) PushChild(child);
}

bool FormWindow::MakeChildWindow(Child& child) {
    const ControlAdapter& adapter = AdapterFor(child.control->Kind());
    if (!adapter.Windowed() || child.drawn || child.hwnd) return false;
    // Made at its place at the window's DPI, with its font.
    child.hwnd = adapter.Create(*this, child, PixelRect(child.control->Bounds()));
    if (!child.hwnd) return false;
    // Its state, mirrored so far only where it needs no window, goes in whole.
    child.pushed = 0;
    return true;
}

void FormWindow::StackChildren() {
    std::vector<Stacked> items;
    std::vector<HWND> windows;
    for (const Child& child : children_) {
        if (!child.hwnd) continue;
        items.push_back({child.control->Bounds(), child.control->TabStop()});
        windows.push_back(child.hwnd);
    }
    HWND above = HWND_TOP;
    for (std::size_t index : PlanZOrder(items)) {
        SetWindowPos(windows[index], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = windows[index];
    }
}

void FormWindow::PushChild(Child& child) {
    Control& control = *child.control;
    if (control.Revision() == child.pushed) return;
    const ControlAdapter& adapter = AdapterFor(control.Kind());
    // A kind with a window mirrors into it only once it exists: once the
    // form was shown and the control is visible.
    if (adapter.Windowed() && !child.hwnd && childWindowsMade_ && control.Visible() &&
        MakeChildWindow(child))
        StackChildren();
    child.pushed = control.Revision();
    PushScope scope(pushing_);
    // A control the form draws shows its state with the form's next paint.
    if (child.drawn) RepaintArea(*this, child);
    if (adapter.Windowed() && !child.hwnd) return;
    adapter.Push(*this, child);
    if (child.hwnd) PushToolTip(child);
}

void FormWindow::PushToolTip(Child& child) {
    const std::wstring& text = child.control->ToolTipText();
    if (text.empty() && !child.tipAdded) return;
    if (!toolTip_) {
        EnsureCommonControls();
        toolTip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                   Instance(), nullptr));
        if (!toolTip_) return;
        SetToolTipFont();
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // ChildProc relays the mouse to the tip (TTM_RELAYEVENT).
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(child.hwnd);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (!child.tipAdded) {
        child.tipAdded = SendMessageW(toolTip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    } else {
        SendMessageW(toolTip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace vantrel::win32
