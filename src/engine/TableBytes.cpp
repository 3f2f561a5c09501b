#include "engine/TableBytes.h"

namespace vantrel {
namespace {

constexpr wchar_t kPlaceholderBase = 0xDC00;

bool IsPlaceholder(wchar_t c) { return c >= kPlaceholderBase + 0x80 && c <= kPlaceholderBase + 0xFF; }

// The character at `at`: its text and how many bytes it took; a byte that
// starts no character GBK reads back exactly becomes a placeholder.
std::wstring NextCharacter(Port& port, const std::string& bytes, std::size_t at, std::size_t& used) {
    const auto first = static_cast<unsigned char>(bytes[at]);
    if (first < 0x80) {  // ASCII reads as itself in code page 936
        used = 1;
        return std::wstring(1, static_cast<wchar_t>(first));
    }
    for (std::size_t length : {std::size_t{2}, std::size_t{1}}) {
        if (at + length > bytes.size()) continue;
        const auto text = port.DecodeExact(bytes.substr(at, length));
        if (text && text->size() == 1) {
            used = length;
            return *text;
        }
    }
    used = 1;
    return std::wstring(1, static_cast<wchar_t>(kPlaceholderBase + first));
}

}  // namespace

const wchar_t kUnencodableText[] = L"内容含有无法以 GBK 编码保存的字符";

std::string FirstLineBytes(const std::string& bytes) {
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

std::string JoinedLineBytes(const std::string& bytes) {
    std::string joined;
    joined.reserve(bytes.size());
    for (char c : bytes)
        if (c != '\r' && c != '\n') joined += c;
    return joined;
}

std::vector<std::string> SplitFieldBytes(const std::string& bytes) {
    std::vector<std::string> fields;
    if (bytes.empty()) return fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = bytes.find(',', start);
        fields.push_back(bytes.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

std::wstring FieldText(Port& port, const std::string& bytes) {
    if (auto exact = port.DecodeExact(bytes)) return *exact;
    std::wstring text;
    for (std::size_t at = 0, used = 0; at < bytes.size(); at += used)
        text += NextCharacter(port, bytes, at, used);
    return text;
}

std::optional<std::string> LineBytes(Port& port, const std::vector<std::wstring>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        const std::wstring& field = fields[i];
        std::size_t start = 0;
        for (std::size_t k = 0; k <= field.size(); ++k) {
            const bool placeholder = k < field.size() && IsPlaceholder(field[k]);
            if (k < field.size() && !placeholder) continue;
            const auto run = port.Encode(field.substr(start, k - start));
            if (!run) return std::nullopt;
            line += *run;
            if (placeholder) line += static_cast<char>(field[k] - kPlaceholderBase);
            start = k + 1;
        }
    }
    return line;
}

}  // namespace vantrel
