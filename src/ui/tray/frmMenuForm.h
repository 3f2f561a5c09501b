// frmMenuForm: the hidden form that owns the command menus. Loaded once by
// the main window's start-up and never shown.
#pragma once

#include "ui/forms/Application.h"

namespace vantrel {

class frmMenuForm : public Form {
public:
    explicit frmMenuForm(Application& app) : Form(app, L"frmMenuForm", L"Menu", {0, 0, 1200, 600}) {}
};

}  // namespace vantrel
