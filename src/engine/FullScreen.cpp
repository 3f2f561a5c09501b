#include "engine/FullScreen.h"

namespace vantrel {

bool IsFullScreen(const ForegroundFacts& facts) {
    if (facts.systemSaysFullScreen) return true;
    if (!facts.exists || facts.desktopOrTaskbar || facts.hasCaption) return false;
    const ScreenBox& w = facts.window;
    const ScreenBox& m = facts.monitor;
    // An empty monitor rectangle means it could not be told.
    if (m.right <= m.left || m.bottom <= m.top) return false;
    return w.left <= m.left && w.top <= m.top && w.right >= m.right && w.bottom >= m.bottom;
}

}  // namespace vantrel
