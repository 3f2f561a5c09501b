// Form2: the more-settings window. Closing it gives the main window back,
// enabled and on top.
#pragma once

#include "ui/forms/Application.h"

namespace vantrel {

class Form2 : public Form {
public:
    explicit Form2(Application& app) : Form(app, L"Form2", L"设置", {0, 0, 5400, 4200}) {}
    void Form_Unload() override;
};

}  // namespace vantrel
