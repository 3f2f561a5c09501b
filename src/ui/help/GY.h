// GY: the About window (its contents are still to come).
#pragma once

#include "ui/forms/Application.h"

namespace vantrel {

class GY : public Form {
public:
    explicit GY(Application& app) : Form(app, L"GY", L"关于Vantrel", {0, 0, 7110, 4485}) {}
};

}  // namespace vantrel
