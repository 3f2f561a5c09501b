// set1.dll: the voice window's check box state, read as Form4 reads it
// (the GBK-decoded file, then ReadSwitchState).
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
    const auto state = ReadSwitchState(text);
    if (!state) return 0;
    FUZZ_CHECK(*state >= 0 && *state <= 2);
    // The state's digit stands in the first line (before the first CR).
    const std::wstring line = text.substr(0, text.find(L'\r'));
    FUZZ_CHECK(line.find(static_cast<wchar_t>(L'0' + *state)) != std::wstring::npos);
    // Only the first line counts: whatever follows the CR changes nothing.
    FUZZ_CHECK(ReadSwitchState(line + L"\r2 1 0") == state);
    return 0;
}
