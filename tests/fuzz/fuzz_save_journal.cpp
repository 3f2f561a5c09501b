// Save.pending: the record of a save cut short, read and carried out at the
// next start as FinishInterruptedSave does, beside a pair of files, their
// staged copies and a file that is not the program's.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "engine/SaveJournal.h"
#include "fake/FakePort.h"
#include "fake/GbkCodec.h"

using namespace vantrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::FakePort port;
    const std::string journal(reinterpret_cast<const char*>(data), size);
    port.PutFile(L"\\Save.pending", journal);
    port.PutFile(L"\\Function.dll", "F2\r\n");
    port.PutFile(L"\\Custom.dll.new", "F5   C:\\a.txt\r\n");
    port.PutFile(L"\\Function.dll.old", "F3\r\n");
    port.PutFile(L"\\Vantrel.exe", "MZ");
    port.PutFile(L"\\..\\outside.dll", "keep");
    const std::wstring folder = port.folder;
    const bool finished = FinishInterruptedSave(port, folder, {L"Function.dll", L"Custom.dll"});

    // Nothing but the pair and what was staged for it is ever touched.
    FUZZ_CHECK(port.Bytes(L"\\Vantrel.exe") == "MZ");
    FUZZ_CHECK(port.Bytes(L"\\..\\outside.dll") == "keep");
    FUZZ_CHECK(finished);  // the fake never fails a step here
    // Afterwards the record and everything staged are gone.
    for (const wchar_t* left : {L"\\Save.pending", L"\\Custom.dll.new", L"\\Function.dll.old"})
        FUZZ_CHECK(!port.Has(left));
    // The pair holds one of the contents it could be given.
    if (port.Has(L"\\Function.dll")) {
        const std::string& f = port.Bytes(L"\\Function.dll");
        FUZZ_CHECK(f == "F2\r\n" || f == "F3\r\n");
    }
    if (port.Has(L"\\Custom.dll")) FUZZ_CHECK(port.Bytes(L"\\Custom.dll") == "F5   C:\\a.txt\r\n");

    // A record that parses is written back as the same steps.
    const std::wstring line = testing::DecodeGbk(journal.substr(0, journal.find_first_of("\r\n")));
    if (const auto parsed = ParseJournal(line)) FUZZ_CHECK(ParseJournal(FormatJournal(*parsed)) == parsed);
    return 0;
}
