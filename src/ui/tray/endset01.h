// endset01: the exit-mode chooser, shown modally by "结束程序", the close
// hotspot and the system close of the main window. It gives the main window
// back when it closes.
#pragma once

#include "ui/forms/Application.h"

namespace vantrel {

class endset01 : public Form {
public:
    explicit endset01(Application& app) : Form(app, L"endset01", L"退出选择", {0, 0, 4680, 2760}) {}
    void Form_Unload() override;
};

}  // namespace vantrel
