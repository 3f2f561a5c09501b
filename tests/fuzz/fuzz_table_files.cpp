// Function.dll and Custom.dll as the program meets them: a whole Form1 load
// over a fake port holding the fuzz bytes (fields split as bytes, each
// decoded exactly or kept as bytes, ParseFunctionFields, KeyTable::SetEntries),
// then a save and a load of what the save wrote.
//
// Input: Function.dll's bytes, a form feed (0x0C), Custom.dll's bytes. With
// no form feed the whole input is Custom.dll and Function.dll is missing.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "FuzzCheck.h"
#include "fake/FakeHost.h"
#include "fake/FakePort.h"
#include "ui/forms/Application.h"
#include "ui/main/Form1.h"

using namespace vantrel;
using vantrel::testing::FakeHost;
using vantrel::testing::FakePort;

namespace {

struct Seen {
    KeyTable table;
    std::array<std::wstring, kSlotCount> choosers;
    std::vector<std::wstring> list;
};

Seen Look(Form1& form) {
    Seen seen{form.Table(), {}, form.List1.Items()};
    for (int i = 0; i < kSlotCount; ++i) seen.choosers[i] = form.cmbChooseKey[i].Text();
    return seen;
}

bool SameEntries(const KeyTable& a, const KeyTable& b) {
    return a.EntryTexts == b.EntryTexts && a.EntryKeyNames == b.EntryKeyNames &&
           a.EntryKeyCodes == b.EntryKeyCodes;
}

bool Same(const Seen& a, const Seen& b) {
    return a.table.SystemKeys == b.table.SystemKeys && SameEntries(a.table, b.table) &&
           a.choosers == b.choosers && a.list == b.list;
}

bool HasOuterBlank(const std::wstring& text) {
    return !text.empty() && (text.front() == L' ' || text.back() == L' ');
}

// A fresh program started over the files.
Seen LoadFresh(const std::map<std::wstring, std::string>& files) {
    FakePort port;
    FakeHost host;
    port.files = files;
    Application app{port, &host};
    return Look(app.Get<Form1>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    FakePort port;
    FakeHost host;
    const auto feed = input.find('\f');
    if (feed == std::string::npos) {
        port.PutFile(kCustomFile, input);
    } else {
        port.PutFile(kFunctionFile, input.substr(0, feed));
        port.PutFile(kCustomFile, input.substr(feed + 1));
    }

    Application app{port, &host};
    Form1& form = app.Get<Form1>();
    const Seen loaded = Look(form);
    FUZZ_CHECK(loaded.list == loaded.table.EntryTexts);
    FUZZ_CHECK(loaded.table.EntryKeyNames.size() == loaded.table.EntryTexts.size());
    FUZZ_CHECK(loaded.table.EntryKeyCodes.size() == loaded.table.EntryTexts.size());
    for (const auto& entry : loaded.table.EntryTexts) FUZZ_CHECK(entry.find(L',') == std::wstring::npos);

    const auto messagesBefore = port.messages.size();
    form.cmdApplyt_Click();
    // Nothing the files held is refused, and every entry keeps its bytes,
    // GBK or not: Custom.dll is its lines joined into one.
    FUZZ_CHECK(port.messages.size() == messagesBefore);
    std::string joined;
    for (char c : input.substr(feed == std::string::npos ? 0 : feed + 1))
        if (c != '\r' && c != '\n') joined += c;
    if (joined.empty())
        FUZZ_CHECK(!port.Has(kCustomFile));
    else
        FUZZ_CHECK(port.Bytes(kCustomFile) == joined + "\r\n");
    const Seen saved = Look(form);
    const auto files = port.files;

    // The entries always come back as they were loaded. The system keys do
    // too, except in a field with blanks around it: the chooser shows
    // " F2" but the exact lookup watches no key; the save trims it to "F2",
    // which does. The program itself never writes such a field.
    FUZZ_CHECK(SameEntries(saved.table, loaded.table));
    FUZZ_CHECK(saved.list == loaded.list);
    for (int i = 0; i < kSlotCount; ++i) {
        if (HasOuterBlank(loaded.choosers[i])) continue;
        FUZZ_CHECK(saved.choosers[i] == loaded.choosers[i]);
        FUZZ_CHECK(saved.table.SystemKeys[i] == loaded.table.SystemKeys[i]);
    }

    // From what the program wrote on: a fresh start sees the same table, and
    // saving again writes the very same bytes.
    FUZZ_CHECK(Same(LoadFresh(files), saved));
    // (The pair a save replaced is kept beside the files, so only the two
    // files themselves are compared.)
    form.cmdApplyt_Click();
    for (const auto& name : {kFunctionFile, kCustomFile})
        FUZZ_CHECK(port.files.count(port.Path(name)) == files.count(port.Path(name)) &&
                   (!port.Has(name) || port.Bytes(name) == files.at(port.Path(name))));
    FUZZ_CHECK(Same(Look(form), saved));
    return 0;
}
