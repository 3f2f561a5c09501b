#include "engine/VoiceFiles.h"

#include <vector>

namespace vantrel {
namespace {

std::wstring FirstLine(const std::wstring& text) { return text.substr(0, text.find(L'\r')); }

std::vector<std::wstring> Split(const std::wstring& line, wchar_t separator) {
    std::vector<std::wstring> fields;
    std::size_t start = 0;
    for (;;) {
        const auto at = line.find(separator, start);
        fields.push_back(line.substr(start, at == std::wstring::npos ? std::wstring::npos : at - start));
        if (at == std::wstring::npos) return fields;
        start = at + 1;
    }
}

bool EndsInDigit(const std::wstring& field) {
    return !field.empty() && field.back() >= L'0' && field.back() <= L'9';
}

// A whole number from 0 to 2, written with digits and an optional sign and
// blanks around it; anything else (such as "1.5" or "x1") is nothing.
std::optional<int> SmallState(const std::wstring& field) {
    std::size_t i = field.find_first_not_of(L' ');
    if (i == std::wstring::npos) return std::nullopt;
    bool negative = false;
    if (field[i] == L'+' || field[i] == L'-') negative = field[i++] == L'-';
    if (i >= field.size()) return std::nullopt;
    long value = 0;
    for (; i < field.size(); ++i) {
        if (field[i] < L'0' || field[i] > L'9') return std::nullopt;
        value = value * 10 + (field[i] - L'0');
        if (value > 2) return std::nullopt;
    }
    if (negative && value != 0) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

std::optional<int> ReadSwitchState(const std::wstring& text) {
    std::optional<int> state;
    const std::wstring line = FirstLine(text);
    if (line.empty()) return state;
    for (const std::wstring& field : Split(line, L' '))
        if (EndsInDigit(field))
            if (auto value = SmallState(field)) state = value;
    return state;
}

std::array<std::optional<std::wstring>, 2> ReadVersionLabels(const std::wstring& text) {
    std::array<std::optional<std::wstring>, 2> labels;
    const std::wstring line = FirstLine(text);
    if (line.empty()) return labels;
    const auto fields = Split(line, L',');
    for (std::size_t i = 0; i < fields.size() && i < labels.size(); ++i)
        labels[i] = EndsInDigit(fields[i]) ? fields[i] : kUnknownVersion;
    return labels;
}

}  // namespace vantrel
