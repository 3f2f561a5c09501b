#include "ui/forms/Application.h"

namespace vantrel {

Form::Form(Application& application, std::wstring name, std::wstring caption, Rect client)
    : app(application), port(application.GetPort()), name_(std::move(name)),
      caption_(std::move(caption)), client_(client) {}

Application::~Application() {
    // Tear down without running unload handlers: the process is ending.
    for (auto& [type, form] : forms_)
        if (host_) host_->Detach(*form);
}

void Application::Unload(Form& form) {
    auto find = [this, &form] {
        for (auto it = forms_.begin(); it != forms_.end(); ++it)
            if (it->second.get() == &form) return it;
        return forms_.end();
    };
    if (find() == forms_.end()) return;
    // The form stays loaded while its unload handlers run.
    form.Form_QueryUnload();
    form.Form_Unload();
    auto it = find();
    if (it == forms_.end()) return;
    auto owned = std::move(it->second);
    forms_.erase(it);
    if (host_) host_->Detach(*owned);
    owned->AttachHandle(0);
    unloaded_.push_back(std::move(owned));
}

std::vector<Form*> Application::LoadedForms() const {
    std::vector<Form*> all;
    for (auto& [type, form] : forms_) all.push_back(form.get());
    return all;
}

}  // namespace vantrel
