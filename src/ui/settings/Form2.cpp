#include "ui/settings/Form2.h"

#include "ui/main/Form1.h"

namespace vantrel {

void Form2::Form_Unload() {
    if (Form1* main = app.Find<Form1>()) {
        main->SetEnabled(true);
        main->Check1.SetValue(1);
    }
}

}  // namespace vantrel
