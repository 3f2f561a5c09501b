// Whether the window in front is a full-screen program (a game, a video, a
// slide show), from the facts the system gives about it.
#pragma once

#include "platform/Port.h"

namespace vantrel {

// Full screen: the system says so, or the window in front has no caption and
// covers its whole monitor (not only the work area) without being the
// desktop or the taskbar. A maximised window keeps its caption: never.
bool IsFullScreen(const ForegroundFacts& facts);

}  // namespace vantrel
