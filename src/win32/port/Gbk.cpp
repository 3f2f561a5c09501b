#include "win32/port/Gbk.h"

#include <climits>

#include "win32/port/Win32Api.h"

namespace vantrel::win32 {
namespace {

constexpr UINT kGbk = 936;

}  // namespace

std::wstring DecodeGbk(const std::string& bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int inLength = static_cast<int>(bytes.size());
    const int outLength = ::MultiByteToWideChar(kGbk, 0, bytes.data(), inLength, nullptr, 0);
    if (outLength <= 0) return {};
    std::wstring text(static_cast<std::size_t>(outLength), L'\0');
    const int written =
        ::MultiByteToWideChar(kGbk, 0, bytes.data(), inLength, text.data(), outLength);
    text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return text;
}

std::optional<std::string> EncodeGbk(const std::wstring& text) {
    if (text.empty()) return std::string();
    if (text.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
    const int inLength = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int outLength = ::WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, text.data(), inLength,
                                                nullptr, 0, nullptr, &usedDefault);
    if (outLength <= 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(outLength), '\0');
    usedDefault = FALSE;
    const int written = ::WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, text.data(), inLength,
                                              bytes.data(), outLength, nullptr, &usedDefault);
    if (written != outLength || usedDefault) return std::nullopt;
    return bytes;
}

std::optional<std::wstring> DecodeGbkExact(const std::string& bytes) {
    if (bytes.empty()) return std::wstring();
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
    const int inLength = static_cast<int>(bytes.size());
    const int outLength =
        ::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes.data(), inLength, nullptr, 0);
    if (outLength <= 0) return std::nullopt;
    std::wstring text(static_cast<std::size_t>(outLength), L'\0');
    if (::MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, bytes.data(), inLength, text.data(),
                              outLength) != outLength)
        return std::nullopt;
    // A sequence that reads as a character written back as other bytes
    // would change the file on the next save.
    if (EncodeGbk(text) != bytes) return std::nullopt;
    return text;
}

bool RoundTripsGbk(const std::wstring& text) {
    const auto bytes = EncodeGbk(text);
    return bytes && DecodeGbk(*bytes) == text;
}

}  // namespace vantrel::win32
