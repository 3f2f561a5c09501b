#include "fake/GbkCodec.h"

#include <iconv.h>

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
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> EncodeGbk(const std::wstring& text) {
    Converter cv("CP936", "WCHAR_T");
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

std::wstring DecodeGbk(const std::string& bytes) {
    Converter cv("WCHAR_T", "CP936");
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
