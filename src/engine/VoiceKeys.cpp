#include "engine/VoiceKeys.h"

#include "engine/KeyMonitor.h"

namespace vantrel {

const std::array<VoiceKey, 36>& VoiceKeyOrder() {
    static const std::array<VoiceKey, 36> order = [] {
        std::array<VoiceKey, 36> keys{};
        std::size_t n = 0;
        for (wchar_t c = L'A'; c <= L'Z'; ++c)
            keys[n++] = {static_cast<KeyCode>(c),
                         std::wstring(L"tools\\yy\\") + static_cast<wchar_t>(c - L'A' + L'a') + L".wav"};
        for (wchar_t c : std::wstring(L"1234567890"))
            keys[n++] = {static_cast<KeyCode>(c), std::wstring(L"tools\\yy\\") + c + L".wav"};
        return keys;
    }();
    return order;
}

std::optional<VoiceKey> PollVoiceKeys(Port& port) {
    for (const VoiceKey& key : VoiceKeyOrder())
        if (IsKeyDown(port, key.code)) return key;
    return std::nullopt;
}

void PlayWav(Port& port, const std::wstring& file, int wait) {
    port.PlaySound(file, wait == 0 ? kSndFilename | kSndAsync : kSndFilename);
}

}  // namespace vantrel
