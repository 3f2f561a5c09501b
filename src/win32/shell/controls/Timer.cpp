// A timer: no window of its own, a timer of the form's window numbered by
// the control's index. A tick already queued when a handler stopped the
// timer is dropped.
#include "win32/shell/controls/Adapters.h"
#include "win32/shell/FormIds.h"

namespace vantrel::win32 {
namespace {

UINT_PTR TimerId(const ChildWindow& child) { return kFirstTimerId + static_cast<std::size_t>(child.index); }

class TimerWindow final : public ControlAdapter {
public:
    HWND Create(ControlSite&, ChildWindow&, const RECT&) const override { return nullptr; }
    bool Windowed() const override { return false; }

    void Push(ControlSite& site, ChildWindow& child) const override {
        const auto& timer = static_cast<const Timer&>(*child.control);
        KillTimer(site.FormHandle(), TimerId(child));
        if (timer.Enabled() && timer.Interval() > 0)
            SetTimer(site.FormHandle(), TimerId(child), timer.Interval(), nullptr);
    }

    void Tick(ControlSite& site, ChildWindow& child) const override {
        auto& timer = static_cast<Timer&>(*child.control);
        if (!timer.Enabled() || !timer.Tick) return;
        site.Dispatch([&timer] {
            if (timer.Enabled() && timer.Tick) timer.Tick();
        });
    }

    void Close(ControlSite& site, ChildWindow& child) const override { KillTimer(site.FormHandle(), TimerId(child)); }
};

}  // namespace

const ControlAdapter& TimerAdapter() {
    static const TimerWindow adapter;
    return adapter;
}

}  // namespace vantrel::win32
