// Form4: the voice-key settings window, loaded hidden at start-up when the
// voice keys are switched on.
#pragma once

#include "ui/forms/Application.h"

namespace vantrel {

class Form4 : public Form {
public:
    explicit Form4(Application& app) : Form(app, L"Form4", L"语音热键设置", {0, 0, 5400, 3600}) {}
};

}  // namespace vantrel
