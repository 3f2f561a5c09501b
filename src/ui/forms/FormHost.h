// What a native shell offers the form runtime: real windows for loaded forms.
// No shell is attached in unit tests; forms then run on their state alone.
#pragma once

namespace vantrel {

class Form;

class FormHost {
public:
    virtual ~FormHost() = default;
    // A form was created: give it a native window (hidden until shown).
    virtual void Attach(Form& form) = 0;
    // A form is being unloaded: destroy its native window.
    virtual void Detach(Form& form) = 0;
    // Whether the program's windows show in the task list (taskbar buttons).
    virtual void SetTaskVisible(bool) {}
};

}  // namespace vantrel
