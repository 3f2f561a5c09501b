// icon1: the hidden tray form, created by the main window's first load. Its
// load hides it and shows the splash.
#pragma once

#include "ui/forms/Application.h"
#include "ui/tray/logo.h"

namespace vantrel {

class icon1 : public Form {
public:
    explicit icon1(Application& app) : Form(app, L"icon1", L"icon1", {0, 0, 1200, 600}) {}
    void Form_Load() override {
        Hide();
        app.Get<logo>().Show();
    }
};

}  // namespace vantrel
