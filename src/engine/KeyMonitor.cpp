#include "engine/KeyMonitor.h"

#include <array>

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
    // Each distinct key is asked for once per tick, however many entries
    // share it, so a huge table costs no more queries than ten keys do.
    std::array<signed char, 256> known;
    known.fill(-1);
    for (std::size_t i = 0; i < table.EntryKeyCodes.size(); ++i) {
        const KeyCode code = table.EntryKeyCodes[i];
        bool down;
        if (code > 0 && code < 256) {
            if (known[code] < 0) known[code] = IsKeyDown(port, code) ? 1 : 0;
            down = known[code] == 1;
        } else {
            down = IsKeyDown(port, code);
        }
        if (down) decision.entries.push_back(i);
    }
    if (!decision.entries.empty()) decision.kind = TickDecision::Kind::Launch;
    return decision;
}

}  // namespace vantrel
