// The application object: owns the process-wide forms and their lifetime.
// A reference to a form that is not loaded creates it and runs its Form_Load;
// unloading runs its unload handlers and destroys it.
#pragma once

#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "platform/Port.h"
#include "ui/forms/Form.h"
#include "ui/forms/FormHost.h"

namespace vantrel {

class Application {
public:
    explicit Application(Port& port, FormHost* host = nullptr) : port_(port), host_(host) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    Port& GetPort() { return port_; }
    void SetHost(FormHost* host) { host_ = host; }

    // The loaded instance of F, created (and its Form_Load run) if needed.
    template <class F>
    F& Get() {
        auto it = forms_.find(typeid(F));
        if (it != forms_.end()) return static_cast<F&>(*it->second);
        auto owned = std::make_unique<F>(*this);
        F& form = *owned;
        forms_.emplace(typeid(F), std::move(owned));
        if (host_) host_->Attach(form);
        form.Form_Load();
        return form;
    }

    // The loaded instance of F, or nullptr; never creates it.
    template <class F>
    F* Find() {
        auto it = forms_.find(typeid(F));
        return it == forms_.end() ? nullptr : static_cast<F*>(it->second.get());
    }

    template <class F>
    bool IsLoaded() { return Find<F>() != nullptr; }

    // Unloads a form: runs Form_QueryUnload (which may refuse) and
    // Form_Unload, removes its native window and drops it from the loaded
    // forms. The object itself lives on until CollectUnloaded, so a form may
    // unload itself from its own handler. A form already being unloaded is
    // not unloaded again: that call returns false, since the form is still
    // there and its first unload may yet be refused. Returns whether the form
    // is gone.
    bool Unload(Form& form, UnloadMode mode = UnloadMode::FromCode);
    template <class F>
    bool Unload() {
        F* f = Find<F>();
        return !f || Unload(*f);
    }

    // Destroys forms unloaded since the last call. The shell calls it after
    // each dispatched event, when no handler of theirs is running.
    void CollectUnloaded() { unloaded_.clear(); }

    // Every loaded form, in no particular order.
    std::vector<Form*> LoadedForms() const;

    // The innermost form running modally (Form::ShowModal) that is still
    // loaded, or nullptr.
    Form* ModalForm() const;
    // Marks a form as running modally for as long as it lives.
    class ModalRun {
    public:
        ModalRun(Application& app, Form& form) : app_(app) { app_.modal_.push_back(&form); }
        ModalRun(const ModalRun&) = delete;
        ModalRun& operator=(const ModalRun&) = delete;
        ~ModalRun() { app_.modal_.pop_back(); }

    private:
        Application& app_;
    };

    // Whether the program shows up in the task list (App.TaskVisible).
    bool TaskVisible() const { return taskVisible_; }
    void SetTaskVisible(bool v) {
        taskVisible_ = v;
        if (host_) host_->SetTaskVisible(v);
    }

private:
    Port& port_;
    FormHost* host_;
    std::unordered_map<std::type_index, std::unique_ptr<Form>> forms_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    std::vector<const Form*> unloading_;
    std::vector<Form*> modal_;
    bool taskVisible_ = true;
};

}  // namespace vantrel
