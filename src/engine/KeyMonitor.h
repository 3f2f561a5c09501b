// The key monitor's poll: which action one tick of the 50 ms timer takes.
#pragma once

#include <vector>

#include "engine/KeyTable.h"
#include "platform/Port.h"

namespace vantrel {

// True while the key is held down (the high bit of the async key state).
// Code 0 is never down and is not even asked for.
bool IsKeyDown(Port& port, KeyCode code);

// The system actions, in the order the monitor tests their slots (0..5).
enum class SystemAction { ShutDown, Restart, ScreenSaver, OpenCdDoor, CloseCdDoor, StartPage };

struct TickDecision {
    enum class Kind { Nothing, System, ShowWindow, Launch } kind = Kind::Nothing;
    SystemAction action = SystemAction::ShutDown;  // for Kind::System
    std::vector<std::size_t> entries;               // for Kind::Launch, in list order
};

// Tests system slots 0..5, then F12, then every loaded entry. The first system
// slot found down wins the tick; otherwise F12; otherwise every entry whose
// key is down is launched. Keys in `stillHeld` (they acted and have not been
// released since) count as up and are not asked for.
TickDecision PollKeys(Port& port, const KeyTable& table, const std::vector<KeyCode>& stillHeld = {});

// The keys whose being down made the decision.
std::vector<KeyCode> KeysActing(const TickDecision& decision, const KeyTable& table);

}  // namespace vantrel
