// Function.dll's line: ParseFunctionLine on the GBK-decoded first line, and
// the save's FormatFunctionLine of what the choosers then show.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "engine/KeyTable.h"
#include "fake/GbkCodec.h"
#include "platform/TextLines.h"

using namespace vantrel;

namespace {

// What the seven choosers show after a load of the line into fresh choosers
// (all "无"), with the key codes the monitor then watches.
struct Loaded {
    std::array<std::wstring, kSlotCount> shown;
    std::array<KeyCode, kSlotCount> codes{};
};

Loaded Load(const std::wstring& line) {
    Loaded loaded;
    loaded.shown.fill(kNoKey);
    const auto fields = ParseFunctionLine(line);
    FUZZ_CHECK(fields.size() <= static_cast<std::size_t>(kSlotCount));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto& field = fields[i];
        FUZZ_CHECK(field.shown == kNoKey || KeyCodeOf(field.shown) != 0);
        FUZZ_CHECK(field.code == 0 || (field.code >= 0x71 && field.code <= 0x7A));
        FUZZ_CHECK(KeyCodeOf(field.shown) == field.code);
        loaded.shown[i] = field.shown;
        loaded.codes[i] = field.code;
    }
    return loaded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = SplitLines(std::string(reinterpret_cast<const char*>(data), size));
    const std::wstring line = lines.empty() ? std::wstring() : vantrel::testing::DecodeGbk(lines[0]);

    const Loaded first = Load(line);
    const std::wstring saved = FormatFunctionLine(first.shown);
    FUZZ_CHECK(saved.find(L'\r') == std::wstring::npos && saved.find(L'\n') == std::wstring::npos);
    const Loaded second = Load(saved);

    // Each saved field is a key name or "无"; the round trip keeps what the
    // chooser shows and the key it watches.
    FUZZ_CHECK(SplitFields(saved).size() == static_cast<std::size_t>(kSlotCount));
    for (int i = 0; i < kSlotCount; ++i) {
        FUZZ_CHECK(second.shown[i] == first.shown[i]);
        FUZZ_CHECK(second.codes[i] == first.codes[i]);
    }
    // A second save writes exactly what the first one wrote.
    FUZZ_CHECK(FormatFunctionLine(second.shown) == saved);
    return 0;
}
