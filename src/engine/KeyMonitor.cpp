#include "engine/KeyMonitor.h"

#include <algorithm>
#include <array>

namespace vantrel {

bool IsKeyDown(Port& port, KeyCode code) {
    return code != 0 && port.AsyncKeyState(code) < 0;
}

TickDecision PollKeys(Port& port, const KeyTable& table, const std::vector<KeyCode>& stillHeld) {
    const auto IsKeyDown = [&port, &stillHeld](KeyCode code) {
        return std::find(stillHeld.begin(), stillHeld.end(), code) == stillHeld.end() &&
               vantrel::IsKeyDown(port, code);
    };
    TickDecision decision;
    for (int slot = 0; slot < 6; ++slot) {
        if (IsKeyDown(table.SystemKeys[slot])) {
            decision.kind = TickDecision::Kind::System;
            decision.action = static_cast<SystemAction>(slot);
            return decision;
        }
    }
    if (IsKeyDown(kF12)) {
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
            if (known[code] < 0) known[code] = IsKeyDown(code) ? 1 : 0;
            down = known[code] == 1;
        } else {
            down = IsKeyDown(code);
        }
        if (down) decision.entries.push_back(i);
    }
    if (!decision.entries.empty()) decision.kind = TickDecision::Kind::Launch;
    return decision;
}

std::vector<KeyCode> KeysActing(const TickDecision& decision, const KeyTable& table) {
    switch (decision.kind) {
    case TickDecision::Kind::System:
        return {table.SystemKeys[static_cast<std::size_t>(decision.action)]};
    case TickDecision::Kind::ShowWindow:
        return {kF12};
    case TickDecision::Kind::Launch: {
        std::vector<KeyCode> keys;
        for (std::size_t i : decision.entries) {
            const KeyCode code = table.EntryKeyCodes[i];
            if (std::find(keys.begin(), keys.end(), code) == keys.end()) keys.push_back(code);
        }
        return keys;
    }
    case TickDecision::Kind::Nothing:
        break;
    }
    return {};
}

}  // namespace vantrel
