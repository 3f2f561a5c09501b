// logo: the splash window, shown once per process by the tray form's load.
// It closes itself after six seconds or when its picture is clicked.
#pragma once

#include "ui/forms/Application.h"
#include "ui/forms/Pictures.h"

namespace vantrel {

class logo : public Form {
public:
    explicit logo(Application& app);
    void Form_Load() override;
    void Timer1_Timer() { app.Unload(*this); }
    void Image1_Click() { app.Unload(*this); }

    Image Image1{L"Image1", {0, 0, 5535, 2970}, &pictures::Splash};
    Timer Timer1{L"Timer1", 6000};
};

}  // namespace vantrel
