// vantrel_polled_keys FOLDER: the keys Vantrel polls with the files in
// FOLDER, its program folder as the benchmark sets it up (Function.dll,
// Custom.dll, Vantrel.ini, the voice add-on under tools\yy). The program's
// own start-up runs against the recording fake port with those files, then
// every timer it leaves running ticks once with no key down. One line for
// each timer that asks for keys: its interval in ms, then the virtual-key
// codes in the order asked, in hex. For example:
//   50 7B 74
// The benchmark hands these lines to the baseline launcher, so both poll
// the same keys as often.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "fake/FakePort.h"
#include "ui/forms/Application.h"
#include "ui/main/Form1.h"

namespace {

using vantrel::Application;
using vantrel::ControlKind;
using vantrel::Form;
using vantrel::Timer;
using vantrel::testing::FakePort;

// Every file under the folder but the programs, at the same place in the
// fake's program folder.
bool PutFolder(FakePort& port, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::recursive_directory_iterator it(folder, error), end;
    if (error) return false;
    for (; it != end; it.increment(error)) {
        if (error) return false;
        if (!it->is_regular_file() || it->path().extension() == ".exe") continue;
        std::ifstream in(it->path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::wstring relative;
        for (const auto& part : std::filesystem::relative(it->path(), folder))
            relative += L"\\" + part.wstring();
        port.PutFile(relative, bytes);
    }
    return true;
}

bool Loaded(const Application& app, const Form* form) {
    for (const Form* f : app.LoadedForms())
        if (f == form) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vantrel_polled_keys PROGRAM_FOLDER\n");
        return 2;
    }
    FakePort port;
    if (!PutFolder(port, argv[1])) {
        std::fprintf(stderr, "vantrel_polled_keys: cannot read %s\n", argv[1]);
        return 2;
    }
    Application app{port};
    app.Get<vantrel::Form1>();
    std::vector<std::pair<Form*, Timer*>> running;
    for (Form* form : app.LoadedForms())
        for (vantrel::Control* control : form->Controls())
            if (control->Kind() == ControlKind::Timer && control->Enabled())
                running.emplace_back(form, static_cast<Timer*>(control));
    int polling = 0;
    for (auto [form, timer] : running) {
        // A tick may unload a form (the splash's ends it).
        if (!Loaded(app, form) || !timer->Enabled() || !timer->Tick) continue;
        port.keyQueries.clear();
        timer->Tick();
        if (port.keyQueries.empty()) continue;
        std::vector<int> keys;
        for (int key : port.keyQueries)
            if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
        std::printf("%u", timer->Interval());
        for (int key : keys) std::printf(" %02X", key);
        std::printf("\n");
        ++polling;
    }
    if (!port.CallsTo(L"ShellExecute").empty()) {
        std::fprintf(stderr, "vantrel_polled_keys: a tick with no key down launched something\n");
        return 1;
    }
    return polling > 0 ? 0 : 1;
}
