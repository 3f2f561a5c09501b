// The hotkey table: key names and codes, the loaded program entries, and the
// one-line formats of Function.dll (system slots) and Custom.dll (entries).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

using KeyCode = std::int16_t;

constexpr KeyCode kF12 = 0x7B;
constexpr int kSlotCount = 7;  // SystemKeys: six system actions and the add row

inline const std::wstring kNoKey = L"无";
inline const std::wstring kFunctionFile = L"\\Function.dll";
inline const std::wstring kCustomFile = L"\\Custom.dll";

// The eleven chooser items in their order: "无", "F2" .. "F11".
const std::vector<std::wstring>& ChooserKeyNames();

// Exact, case-sensitive lookup of "F2".."F11"; anything else is 0.
KeyCode KeyCodeOf(const std::wstring& keyName);

// Removes leading and trailing space characters (only spaces).
std::wstring TrimBlanks(const std::wstring& text);

// Characters 6 to the end of an entry text, blanks trimmed.
std::wstring EntryTarget(const std::wstring& entry);
// Characters 1 to 4 of an entry text, blanks trimmed.
std::wstring EntryKeyName(const std::wstring& entry);

// Splits at every ","; an empty text gives no fields, empty fields are kept.
std::vector<std::wstring> SplitFields(const std::wstring& text);
std::wstring JoinFields(const std::vector<std::wstring>& fields);

// What a chooser may hold: the text when it is one of the chooser's key
// names ("F2".."F11", exactly), else "无". Text that came into a chooser by
// any other way (a paste, a hand-edited file) is never shown or saved.
std::wstring ChooserName(const std::wstring& text);

// One field of the Function.dll line: the slot's key code and what its
// chooser shows (the field when it is a key name, else "无").
struct SlotField {
    KeyCode code = 0;
    std::wstring shown;
};
// The fields of the first line of Function.dll; fields past the seventh are dropped.
std::vector<SlotField> ParseFunctionLine(const std::wstring& line);
// The same for the line's fields, split already.
std::vector<SlotField> ParseFunctionFields(const std::vector<std::wstring>& fields);
// The Function.dll line from the seven chooser texts, and its fields: seven
// fields, each a key name or "无".
std::vector<std::wstring> FunctionLineFields(const std::array<std::wstring, kSlotCount>& chooserTexts);
std::wstring FormatFunctionLine(const std::array<std::wstring, kSlotCount>& chooserTexts);

// The key table as loaded from the files.
struct KeyTable {
    std::array<KeyCode, kSlotCount> SystemKeys{};
    std::vector<std::wstring> EntryTexts;
    std::vector<std::wstring> EntryKeyNames;
    std::vector<KeyCode> EntryKeyCodes;

    // Replaces the entries with the pieces of Custom.dll's joined lines.
    void SetEntries(std::vector<std::wstring> pieces);
};

}  // namespace vantrel
