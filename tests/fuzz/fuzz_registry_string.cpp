// The registry's string values: GetRegString over a fake port whose registry
// holds the fuzz data. The first byte picks the value's type; the rest are
// the data's UTF-16 code units, as RegQueryValueEx hands them over.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "fake/FakePort.h"
#include "system/Registry.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    RegValue value;
    value.type = data[0] % 8;  // REG_NONE .. REG_DWORD_BIG_ENDIAN, REG_LINK, REG_MULTI_SZ
    for (std::size_t i = 1; i + 1 < size; i += 2)
        value.data += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));

    vantrel::testing::FakePort port;
    const std::wstring key = L"Software\\Microsoft\\Internet Explorer\\Main";
    port.registry[{RegRoot::CurrentUser, key, L"Start Page"}] = value;
    const std::wstring text = GetRegString(port, RegRoot::CurrentUser, key, L"Start Page");

    if (value.type != kRegSz) {
        FUZZ_CHECK(text.empty());
    } else {
        FUZZ_CHECK(text.find(L'\0') == std::wstring::npos);
        FUZZ_CHECK(value.data.compare(0, text.size(), text) == 0);
        FUZZ_CHECK(text.size() == value.data.size() || value.data[text.size()] == L'\0');
    }
    // A trailing backslash on the key and another root change nothing / find nothing.
    FUZZ_CHECK(GetRegString(port, RegRoot::CurrentUser, key + L"\\", L"Start Page") == text);
    FUZZ_CHECK(GetRegString(port, RegRoot::LocalMachine, key, L"Start Page").empty());

    // Written back as REG_SZ, the text reads back unchanged.
    SetRegString(port, RegRoot::CurrentUser, key, L"Start Page", text);
    FUZZ_CHECK(GetRegString(port, RegRoot::CurrentUser, key, L"Start Page") == text);
    return 0;
}
