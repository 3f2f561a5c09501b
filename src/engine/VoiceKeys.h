// The voice-key player's keys and sound: the 36 letter and digit keys in the
// order they are tested, one poll over them, and PlayWav.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/KeyTable.h"
#include "platform/Port.h"

namespace vantrel {

struct VoiceKey {
    KeyCode code;
    std::wstring sound;  // relative to the program folder, e.g. "tools\yy\a.wav"
};

// A to Z, then 1 to 9, then 0 (main keyboard block only).
const std::array<VoiceKey, 36>& VoiceKeyOrder();

// The first key of the order that is held down, or nothing.
std::optional<VoiceKey> PollVoiceKeys(Port& port);

// Plays a WAV file: asynchronously when `wait` is 0, else to its end.
void PlayWav(Port& port, const std::wstring& file, int wait);

}  // namespace vantrel
