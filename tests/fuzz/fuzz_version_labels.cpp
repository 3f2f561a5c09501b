// ver.dll: the voice window's two version labels, read as Form4 reads them
// (the GBK-decoded file, then ReadVersionLabels).
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "engine/VoiceFiles.h"
#include "fake/GbkCodec.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text =
        vantrel::testing::DecodeGbk(std::string(reinterpret_cast<const char*>(data), size));
    const auto labels = ReadVersionLabels(text);
    const std::wstring line = text.substr(0, text.find(L'\r'));
    // An empty first line fills no label; any other fills the first.
    FUZZ_CHECK(labels[0].has_value() == !line.empty());
    // The second label is filled exactly when the line has a comma.
    FUZZ_CHECK(labels[1].has_value() == (!line.empty() && line.find(L',') != std::wstring::npos));
    for (const auto& label : labels) {
        if (!label) continue;
        FUZZ_CHECK(label->find(L'\r') == std::wstring::npos);
        FUZZ_CHECK(label->find(L',') == std::wstring::npos);
        const bool digit = !label->empty() && label->back() >= L'0' && label->back() <= L'9';
        FUZZ_CHECK(digit || *label == kUnknownVersion);
        if (digit) FUZZ_CHECK(line.find(*label) != std::wstring::npos);
    }
    FUZZ_CHECK(ReadVersionLabels(line + L"\r1.0,2.0") == labels);
    return 0;
}
