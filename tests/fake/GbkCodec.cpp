#include "fake/GbkCodec.h"

#include <iconv.h>

#include "fake/Cp936Rules.h"

#include <cerrno>
#include <cstring>

namespace vantrel::testing {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    // Ready for a new conversion: no shift state left from the last one.
    iconv_t get() const {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return cd_;
    }

private:
    iconv_t cd_;
};

constexpr wchar_t kUnnamedBase = 0xF0000;

// Opening a converter costs far more than a short conversion: one each, kept.
Converter& ToGbk() {
    thread_local Converter cv("CP936", "WCHAR_T");
    return cv;
}
Converter& FromGbk() {
    thread_local Converter cv("WCHAR_T", "CP936");
    return cv;
}

std::optional<std::string> EncodeRun(const std::wstring& text) {
    Converter& cv = ToGbk();
    std::string out;
    char* in = reinterpret_cast<char*>(const_cast<wchar_t*>(text.data()));
    size_t inLeft = text.size() * sizeof(wchar_t);
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cv.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr - buffer);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) return std::nullopt;
    }
    return out;
}

}  // namespace

std::optional<std::string> EncodeGbk(const std::wstring& text) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool unnamed = i < text.size() && text[i] >= kUnnamedBase && text[i] <= kUnnamedBase + 0xFFFF;
        if (i < text.size() && !unnamed) continue;
        const auto run = EncodeRun(text.substr(start, i - start));
        if (!run) return std::nullopt;
        out += *run;
        if (unnamed) {
            out += static_cast<char>((text[i] - kUnnamedBase) >> 8);
            out += static_cast<char>((text[i] - kUnnamedBase) & 0xFF);
        }
        start = i + 1;
    }
    return out;
}

std::optional<std::wstring> DecodeGbkExact(const std::string& bytes) {
    if (!Cp936Accepts(bytes)) return std::nullopt;
    std::wstring text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            text += static_cast<wchar_t>(b);
            continue;
        }
        if (b == 0x80) {
            text += L'\u20AC';
            continue;
        }
        // A character iconv reads only if it writes it back as these bytes.
        const std::string pair = bytes.substr(i++, 2);
        const std::wstring read = DecodeGbk(pair);
        if (read.size() == 1 && read[0] != L'\xFFFD' && EncodeRun(read) == pair)
            text += read;
        else
            text += static_cast<wchar_t>(kUnnamedBase + (b << 8) + static_cast<unsigned char>(pair[1]));
    }
    return text;
}

std::wstring DecodeGbk(const std::string& bytes) {
    Converter& cv = FromGbk();
    std::wstring out;
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    wchar_t buffer[1024];
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(buffer);
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cv.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, reinterpret_cast<wchar_t*>(outPtr) - buffer);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            out.push_back(L'\xFFFD');
            ++in;
            --inLeft;
        }
    }
    return out;
}

}  // namespace vantrel::testing
