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

bool EndsInDigit(const std::wstring& text) {
    return !text.empty() && text.back() >= L'0' && text.back() <= L'9';
}

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
        FUZZ_CHECK(field.shown == kNoKey || EndsInDigit(field.shown));
        FUZZ_CHECK(field.code == 0 || (field.code >= 0x71 && field.code <= 0x7A));
        if (field.code != 0) FUZZ_CHECK(KeyCodeOf(field.shown) == field.code);
        loaded.shown[i] = field.shown;
        loaded.codes[i] = field.code;
    }
    return loaded;
}

bool HasOuterBlank(const std::wstring& text) {
    return !text.empty() && (text.front() == L' ' || text.back() == L' ');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = SplitLines(std::string(reinterpret_cast<const char*>(data), size));
    const std::wstring line = lines.empty() ? std::wstring() : vantrel::testing::DecodeGbk(lines[0]);

    const Loaded first = Load(line);
    const std::wstring saved = FormatFunctionLine(first.shown);
    FUZZ_CHECK(saved.find(L'\r') == std::wstring::npos && saved.find(L'\n') == std::wstring::npos);
    const Loaded second = Load(saved);

    // The save trims blanks, so a hand-edited " F2" (shown, but no key: the
    // lookup is exact) comes back as "F2" with its key. Such a field is one
    // the program never writes; for every other field the round trip keeps
    // what the chooser shows and the key it watches.
    for (int i = 0; i < kSlotCount; ++i) {
        if (HasOuterBlank(first.shown[i])) continue;
        FUZZ_CHECK(second.shown[i] == first.shown[i]);
        FUZZ_CHECK(second.codes[i] == first.codes[i]);
    }
    // A second save writes exactly what the first one wrote.
    FUZZ_CHECK(FormatFunctionLine(second.shown) == saved);
    return 0;
}
