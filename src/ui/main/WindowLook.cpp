#include "ui/main/WindowLook.h"

namespace vantrel {

void ApplyWindowLook(Form& form) {
    form.SetBackColor(kWindowBackground);
    form.SetCornerRadius(kWindowCornerTwips);
}

void DragWindow(Form& form, Port& port) {
    port.ReleaseCapture();
    port.SendMessage(form.hWnd(), kWmNcLButtonDown, kHtCaption, 0);
}

}  // namespace vantrel
