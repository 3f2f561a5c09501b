#include "ui/forms/Application.h"

#include <algorithm>

namespace vantrel {

Application::~Application() {
    // Tear down without running unload handlers: the process is ending.
    for (auto& [type, form] : forms_)
        if (host_) host_->Detach(*form);
}

bool Application::Unload(Form& form, UnloadMode mode) {
    auto find = [this, &form] {
        for (auto it = forms_.begin(); it != forms_.end(); ++it)
            if (it->second.get() == &form) return it;
        return forms_.end();
    };
    if (find() == forms_.end()) return true;
    // An unload handler that unloads this form again (directly or through a
    // partner) finds it on its way out already.
    if (std::find(unloading_.begin(), unloading_.end(), &form) != unloading_.end()) return false;
    unloading_.push_back(&form);
    auto done = [this, &form] {
        unloading_.erase(std::find(unloading_.begin(), unloading_.end(), &form));
    };
    // The form stays loaded while its unload handlers run.
    int cancel = 0;
    form.Form_QueryUnload(cancel, mode);
    if (cancel != 0) {
        done();
        return false;
    }
    form.Form_Unload();
    done();
    auto it = find();
    if (it == forms_.end()) return true;
    auto owned = std::move(it->second);
    forms_.erase(it);
    if (host_) host_->Detach(*owned);
    owned->AttachHandle(0);
    unloaded_.push_back(std::move(owned));
    return true;
}

Form* Application::ModalForm() const {
    for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
        for (auto& [type, form] : forms_)
            if (form.get() == *it) return *it;
    return nullptr;
}

std::vector<Form*> Application::LoadedForms() const {
    std::vector<Form*> all;
    for (auto& [type, form] : forms_) all.push_back(form.get());
    return all;
}

}  // namespace vantrel
