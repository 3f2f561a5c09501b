// The stacking order of a form's control windows. Two orders meet in it: a
// later control lies over an earlier one it overlaps (a caption over its
// face, and the mouse goes to what is on top), and the dialog manager's Tab
// walks the windows from the top down, while Tab must follow the form's
// control order. Both hold when every tab stop sits above the tab stops that
// follow it, and otherwise later controls sit above the earlier ones they
// overlap. Plain C++, so it can be tested without a window.
#pragma once

#include <cstddef>
#include <vector>

#include "ui/forms/Controls.h"

namespace vantrel::win32 {

struct Stacked {
    Rect rect;
    bool tabStop = false;
};

inline bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Indices of `items` from the top of the stack to the bottom. Where the two
// rules conflict (overlapping tab stops, or a chain of overlaps against the
// Tab order) Tab order wins between tab stops and the later control between
// the others.
inline std::vector<std::size_t> PlanZOrder(const std::vector<Stacked>& items) {
    const std::size_t n = items.size();
    // above[u] lists the controls u must lie above; for each control, how
    // many must still be placed above it for Tab and for overlapping.
    std::vector<std::vector<std::size_t>> above(n);
    std::vector<std::size_t> tabPending(n, 0), overlapPending(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            if (items[i].tabStop && items[j].tabStop) {
                above[i].push_back(j);
                ++tabPending[j];
            } else if (Overlap(items[i].rect, items[j].rect)) {
                above[j].push_back(i);
                ++overlapPending[i];
            }
        }
    std::vector<std::size_t> order;
    std::vector<bool> placed(n, false);
    // The latest unplaced control that `free` accepts, or n.
    auto latest = [&](auto free) {
        for (std::size_t k = n; k-- > 0;)
            if (!placed[k] && free(k)) return k;
        return n;
    };
    while (order.size() < n) {
        // The latest control free to go next; in a cycle, the latest one that
        // only overlaps wait for; failing that, the latest one left.
        std::size_t pick = latest([&](std::size_t k) { return tabPending[k] + overlapPending[k] == 0; });
        if (pick == n) pick = latest([&](std::size_t k) { return tabPending[k] == 0; });
        if (pick == n) pick = latest([](std::size_t) { return true; });
        placed[pick] = true;
        order.push_back(pick);
        for (std::size_t lower : above[pick]) {
            const bool tab = items[pick].tabStop && items[lower].tabStop;
            std::size_t& pending = tab ? tabPending[lower] : overlapPending[lower];
            if (pending > 0) --pending;
        }
    }
    return order;
}

}  // namespace vantrel::win32
