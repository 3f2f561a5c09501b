#include "ui/main/WindowLook.h"

namespace vantrel {

void ApplyWindowLook(Form& form) {
    form.SetBackColor(kWindowBackground);
    form.SetCornerRadius(kWindowCornerTwips);
}

void DragWindow(Form& form, Port& port) {
    port.DragWindow(form.hWnd());
}

}  // namespace vantrel
