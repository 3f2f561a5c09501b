// Which controls the form draws itself instead of giving them windows: a
// picture or a rule (a label without text) that takes no keyboard, shows no
// tip and has no name for screen readers. Every control window costs its
// making, its own paint and a place in each repaint of the form, which a
// skin of a few dozen such pieces multiplies.
//
// A drawn control lies below every window, so it is drawn only where no
// control with a window lies below it: a window placed before it and
// overlapping it would cover it. What comes later and overlaps it lies on
// top anyway, as a window (which shows it through as what lies below) or
// drawn after it. Plain C++, so it can be tested without a window.
#pragma once

#include <vector>

#include "win32/shell/ZOrder.h"
#include "ui/forms/Controls.h"

namespace vantrel::win32 {

struct DrawCandidate {
    Rect rect;
    // The kind can be drawn (a picture, a label without text) and the control
    // needs nothing only a window gives: no Click (what is clicked must be
    // found by screen readers), no Tab stop, no tip, no accessible name. Its
    // mouse events are passed on by the form.
    bool drawable = false;
};

inline bool NeedsNoWindow(const Control& control) {
    return !control.Click && !control.TabStop() && control.ToolTipText().empty() &&
           control.AccessibleName().empty();
}

// For each item, in the form's order: whether the form draws it.
inline std::vector<bool> PlanDrawnControls(const std::vector<DrawCandidate>& items) {
    std::vector<bool> drawn(items.size(), false);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].drawable) continue;
        bool covered = false;
        for (std::size_t j = 0; j < i && !covered; ++j)
            covered = !drawn[j] && Overlap(items[j].rect, items[i].rect);
        drawn[i] = !covered;
    }
    return drawn;
}

}  // namespace vantrel::win32
