// The main window's own look: background colour and shape.
#pragma once

#include "ui/forms/Form.h"

namespace vantrel {

constexpr Colour kWindowBackground{218, 244, 254};

inline void ApplyWindowLook(Form& form) { form.SetBackColor(kWindowBackground); }

}  // namespace vantrel
