// A form host that gives every attached form a distinct window handle and
// remembers which forms were attached and detached, in order.
#pragma once

#include <string>
#include <vector>

#include "ui/forms/Form.h"
#include "ui/forms/FormHost.h"

namespace vantrel::testing {

class FakeHost : public FormHost {
public:
    std::vector<std::wstring> attached, detached;

    void Attach(Form& form) override {
        form.AttachHandle(next_++);
        attached.push_back(form.Name());
    }
    void Detach(Form& form) override { detached.push_back(form.Name()); }

private:
    WindowHandle next_ = 100;
};

}  // namespace vantrel::testing
