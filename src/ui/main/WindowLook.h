// Shared procedures for the main window's skinned look: its colour and
// rounded shape, and dragging it by its picture title bar.
#pragma once

#include "ui/forms/Form.h"

namespace vantrel {

constexpr Colour kWindowBackground{218, 244, 254};
// The rounded corners' radius: 6 pixels at 15 twips a pixel.
constexpr int kWindowCornerTwips = 90;

// Sets the background colour and cuts the window to its rounded shape.
void ApplyWindowLook(Form& form);

// Starts the system's move loop for the window as if its caption bar had
// been pressed; returns when the move ends.
void DragWindow(Form& form, Port& port);

}  // namespace vantrel
