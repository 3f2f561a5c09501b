#include "win32/shell/Shell.h"

#include "win32/port/Trace.h"
#include "win32/shell/FormWindow.h"

namespace vantrel::win32 {

Shell::Shell(HINSTANCE instance) : instance_(instance) {}

Shell::~Shell() {
    for (auto& [form, window] : windows_) window->Close();
}

Shell::TaskOwnerWindow::TaskOwnerWindow(Shell& shell, HINSTANCE instance) : shell_(shell) {
    constexpr wchar_t kClass[] = L"VantrelOwner";
    // Never shown, and untitled so that nobody takes it for a form.
    if (RegisterClassOnce(instance, kClass, nullptr))
        CreateBound(instance, kClass, 0, WS_POPUP, L"", 0, 0, 0, 0);
}

LRESULT Shell::TaskOwnerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; AnswerEndMessage(message, wParam, [this](EndCause cause) { shell_.RequestEnd(cause); }, result))
        return result;
    return Default(message, wParam, lParam);
}

void Shell::Attach(Form& form) {
    if (WindowOf(form)) return;
    auto window = std::make_unique<FormWindow>(*this, form);
    if (!window->Create()) return;
    windows_.emplace(&form, std::move(window));
    if (form.IsMainWindow()) {
        main_ = &form;
        Reown();
    }
}

void Shell::Detach(Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    auto window = std::move(it->second);
    windows_.erase(it);
    // Windows destroys owned windows with their owner: the dialogs of a main
    // window that goes (a pause) move to the hidden owner first and live on.
    if (main_ == &form) {
        main_ = nullptr;
        Reown();
    }
    window->Close();
    closed_.push_back(std::move(window));
}

void Shell::SetTaskVisible(bool visible) {
    taskVisible_ = visible;
    if (!visible && !taskOwner_) taskOwner_ = std::make_unique<TaskOwnerWindow>(*this, instance_);
    Reown();
}

HWND Shell::OwnerFor(const Form& form) const {
    if (!form.IsMainWindow() && main_)
        if (FormWindow* main = WindowOf(*main_); main && main->Handle()) return main->Handle();
    return taskVisible_ || !taskOwner_ ? nullptr : taskOwner_->Handle();
}

void Shell::Reown() {
    for (auto& [form, window] : windows_) window->SetOwner(OwnerFor(*form));
}

FormWindow* Shell::WindowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.get();
}

void Shell::Sync() {
    if (!app_ || syncing_) return;
    // A form's window pushes its state when it is made; after that only a
    // counted change gives a pass anything to do.
    if (StateChanges() == syncedChanges_ && !walkNext_) return;
    syncedChanges_ = StateChanges();
    walkNext_ = false;
    ++walked_;
    syncing_ = true;
    // Nothing unloaded is destroyed while the windows are being walked.
    ++depth_;
    try {
        // Forms attached by a handler since the last pass are found here too.
        for (Form* form : app_->LoadedForms())
            if (FormWindow* window = WindowOf(*form)) window->Push();
    } catch (...) {
        // Out of memory while copying items: the next pass tries again.
        TraceCaughtException(L"mirroring the forms");
        walkNext_ = true;
    }
    --depth_;
    syncing_ = false;
}

void Shell::UnloadByUser(Form& form) {
    Dispatch([this, &form] {
        if (app_) app_->Unload(form, UnloadMode::FromControlMenu);
    });
}

void Shell::Dispatch(const std::function<void()>& handlers) {
    Enter();
    try {
        handlers();
    } catch (...) {
        // A failing handler must not unwind into the system's frames; the
        // state it left is still mirrored below.
        TraceCaughtException(L"event handler");
    }
    --depth_;
    Sync();
    if (depth_ == 0) Collect();
}

void Shell::Enter() {
    if (depth_++ == 0) QueryPerformanceCounter(&eventStart_);
}

double Shell::MillisecondsIntoEvent() const {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart > 0 ? 1000.0 * static_cast<double>(now.QuadPart - eventStart_.QuadPart) /
                                        static_cast<double>(frequency.QuadPart)
                                  : 0.0;
}

void Shell::Collect() {
    if (!app_) return;
    app_->CollectUnloaded();
    closed_.clear();
    if (app_->LoadedForms().empty()) PostQuitMessage(0);
}

}  // namespace vantrel::win32
