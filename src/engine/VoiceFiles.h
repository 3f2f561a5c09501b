// Readers of the voice add-on's small text files. Only the first line
// counts, and it ends at the first CR (a lone LF does not end it).
#pragma once

#include <array>
#include <optional>
#include <string>

namespace vantrel {

inline const std::wstring kVoiceMarkerFile = L"\\tools\\yy\\on.dll";
inline const std::wstring kVoiceSwitchFile = L"\\tools\\yy\\set1.dll";
inline const std::wstring kVoiceVersionFile = L"\\tools\\yy\\ver.dll";
inline const std::wstring kUnknownVersion = L"未知";

// The check box state set1.dll stores: of the fields between single spaces,
// the last one that ends in a digit and is a whole number from 0 to 2.
// Nothing when no field qualifies (an empty file among them).
std::optional<int> ReadSwitchState(const std::wstring& text);

// The two version labels ver.dll fills: each comma-separated field as it
// stands when it ends in a digit, else "未知"; fields past the second are
// skipped. Nothing for a label that gets no field (an empty file: none).
std::array<std::optional<std::wstring>, 2> ReadVersionLabels(const std::wstring& text);

}  // namespace vantrel
