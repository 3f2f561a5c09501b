#include "ui/tray/endset01.h"

#include "ui/main/Form1.h"

namespace vantrel {

void endset01::Form_Unload() {
    if (Form1* main = app.Find<Form1>()) main->SetEnabled(true);
}

}  // namespace vantrel
