#include "platform/win32/shell/Shell.h"

#include "platform/win32/port/Trace.h"
#include "platform/win32/shell/FormWindow.h"

namespace vantrel::win32 {

Shell::Shell(HINSTANCE instance) : instance_(instance), bitmaps_(instance) {}

Shell::~Shell() {
    for (auto& [form, window] : windows_) window->Close();
}

void Shell::Attach(Form& form) {
    if (WindowOf(form)) return;
    auto window = std::make_unique<FormWindow>(*this, form);
    if (!window->Create()) return;
    windows_.emplace(&form, std::move(window));
}

void Shell::Detach(Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    auto window = std::move(it->second);
    windows_.erase(it);
    window->Close();
    closed_.push_back(std::move(window));
}

void Shell::SetTaskVisible(bool visible) {
    taskVisible_ = visible;
    if (!visible && !taskOwner_) {
        // Never shown, and untitled so that nobody takes it for a form.
        taskOwner_.reset(CreateWindowExW(0, WC_STATICW, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         instance_, nullptr));
    }
    for (auto& [form, window] : windows_) window->SetOwner(TaskOwner());
}

FormWindow* Shell::WindowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.get();
}

void Shell::Sync() {
    if (!app_ || syncing_) return;
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
    ++depth_;
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

void Shell::Collect() {
    if (!app_) return;
    app_->CollectUnloaded();
    closed_.clear();
    if (app_->LoadedForms().empty()) PostQuitMessage(0);
}

}  // namespace vantrel::win32
