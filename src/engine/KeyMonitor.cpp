#include "engine/KeyMonitor.h"

namespace vantrel {

bool IsKeyDown(Port& port, KeyCode code) {
    return code != 0 && port.AsyncKeyState(code) < 0;
}

TickDecision PollKeys(Port& port, const KeyTable& table) {
    TickDecision decision;
    for (int slot = 0; slot < 6; ++slot) {
        if (IsKeyDown(port, table.SystemKeys[slot])) {
            decision.kind = TickDecision::Kind::System;
            decision.action = static_cast<SystemAction>(slot);
            return decision;
        }
    }
    if (IsKeyDown(port, kF12)) {
        decision.kind = TickDecision::Kind::ShowWindow;
        return decision;
    }
    for (std::size_t i = 0; i < table.EntryKeyCodes.size(); ++i)
        if (IsKeyDown(port, table.EntryKeyCodes[i])) decision.entries.push_back(i);
    if (!decision.entries.empty()) decision.kind = TickDecision::Kind::Launch;
    return decision;
}

}  // namespace vantrel
