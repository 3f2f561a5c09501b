#include "engine/KeyTable.h"

namespace vantrel {

const std::vector<std::wstring>& ChooserKeyNames() {
    static const std::vector<std::wstring> names{kNoKey, L"F2", L"F3", L"F4", L"F5", L"F6",
                                                 L"F7", L"F8", L"F9", L"F10", L"F11"};
    return names;
}

KeyCode KeyCodeOf(const std::wstring& keyName) {
    const auto& names = ChooserKeyNames();
    for (std::size_t i = 1; i < names.size(); ++i)
        if (names[i] == keyName) return static_cast<KeyCode>(0x71 + (i - 1));
    return 0;
}

std::wstring TrimBlanks(const std::wstring& text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    const auto last = text.find_last_not_of(L' ');
    return text.substr(first, last - first + 1);
}

std::wstring EntryTarget(const std::wstring& entry) {
    return entry.size() < 6 ? std::wstring() : TrimBlanks(entry.substr(5));
}

std::wstring EntryKeyName(const std::wstring& entry) { return TrimBlanks(entry.substr(0, 4)); }

std::vector<std::wstring> SplitFields(const std::wstring& text) {
    std::vector<std::wstring> fields;
    if (text.empty()) return fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(L',', start);
        if (comma == std::wstring::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}

std::wstring JoinFields(const std::vector<std::wstring>& fields) {
    std::wstring line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += L',';
        line += fields[i];
    }
    return line;
}

std::wstring ChooserName(const std::wstring& text) {
    return KeyCodeOf(text) != 0 ? text : kNoKey;
}

std::vector<SlotField> ParseFunctionLine(const std::wstring& line) {
    return ParseFunctionFields(SplitFields(line));
}

std::vector<SlotField> ParseFunctionFields(const std::vector<std::wstring>& fields) {
    std::vector<SlotField> slots;
    for (auto& field : fields) {
        if (slots.size() == kSlotCount) break;
        slots.push_back({KeyCodeOf(field), ChooserName(field)});
    }
    return slots;
}

std::vector<std::wstring> FunctionLineFields(const std::array<std::wstring, kSlotCount>& chooserTexts) {
    std::vector<std::wstring> fields;
    for (auto& text : chooserTexts) fields.push_back(ChooserName(text));
    return fields;
}

std::wstring FormatFunctionLine(const std::array<std::wstring, kSlotCount>& chooserTexts) {
    return JoinFields(FunctionLineFields(chooserTexts));
}

void KeyTable::SetEntries(std::vector<std::wstring> pieces) {
    EntryTexts = std::move(pieces);
    EntryKeyNames.resize(EntryTexts.size());
    EntryKeyCodes.resize(EntryTexts.size());
    for (std::size_t i = 0; i < EntryTexts.size(); ++i) {
        EntryKeyNames[i] = EntryKeyName(EntryTexts[i]);
        EntryKeyCodes[i] = KeyCodeOf(EntryKeyNames[i]);
    }
}

}  // namespace vantrel
