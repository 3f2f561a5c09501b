#include "Drive.h"

#include "engine/KeyTable.h"
#include "win32/shell/Win32.h"
#include "win32/port/MessagePump.h"
#include "ui/main/Form1.h"
#include "ui/tray/icon1.h"
#include "ui/tray/logo.h"

namespace vantrel::endurance {
namespace {

constexpr unsigned kStartWaitMs = 15000;
const std::wstring kEntry = L"F5   C:\\windows\\notepad.exe";

// The first field of Function.dll as written: the first system action's key.
std::wstring FirstSystemKey(Port& port) {
    const auto lines = port.ReadLines(port.ProgramFolder() + kFunctionFile);
    if (!lines || lines->empty()) return L"(no Function.dll)";
    const std::wstring& line = lines->front();
    return line.substr(0, line.find(L','));
}

BOOL CALLBACK CountStatic(HWND hwnd, LPARAM count) {
    wchar_t name[32]{};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    if (lstrcmpiW(name, WC_STATICW) == 0) ++*reinterpret_cast<long*>(count);
    return TRUE;
}

long StaticsOf(const Form& form) {
    long count = 0;
    EnumChildWindows(reinterpret_cast<HWND>(form.hWnd()), &CountStatic,
                     reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

bool Driver::Pump() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) quit_ = true;
        else if (!win32::PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return !quit_;
}

bool Driver::Settle(unsigned ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    do {
        if (!Pump()) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount64() < end);
    return Pump();
}

Figures Driver::Settled() {
    Settle(150);
    return Measure();
}

bool Driver::WriteStartFiles(std::wstring& why) {
    Port& port = program_.Port();
    const std::wstring folder = port.ProgramFolder();
    const IoResult function = port.WriteLine(folder + kFunctionFile, L"F3,无,无,无,无,无,无");
    const IoResult custom = port.WriteLine(folder + kCustomFile, kEntry);
    if (function.ok && custom.ok) return true;
    why = L"cannot write the start files in " + folder;
    return false;
}

bool Driver::Start(std::wstring& why) {
    program_.Start();
    Application& app = program_.App();
    const ULONGLONG end = GetTickCount64() + kStartWaitMs;
    while (Measure().trayIcons < 1) {
        if (GetTickCount64() > end || !Settle(100)) {
            why = quit_ ? L"the program ended" : L"no tray icon after the start-up";
            return false;
        }
    }
    // The user clicks the splash away rather than wait six seconds for it.
    if (logo* splash = app.Find<logo>())
        program_.GetShell().Dispatch([splash] { splash->Image1.Click(); });
    if (!Settle(100)) return false;
    if (app.IsLoaded<logo>() || !app.IsLoaded<Form1>() || !app.IsLoaded<icon1>()) {
        why = L"after the start-up the splash is up or the main or tray form is not loaded";
        return false;
    }
    return true;
}

namespace {

// A menu item as the popup menu runs it: only an enabled one runs.
bool Choose(win32::Shell& shell, MenuItem& item, std::wstring& why) {
    if (!item.Enabled() || !item.Click) {
        why = L"the menu item " + item.Name() + L" cannot be chosen";
        return false;
    }
    shell.Dispatch([&item] { item.Click(); });
    return true;
}

// A button as the shell presses it: only an enabled one is pressed.
bool Press(win32::Shell& shell, Control& button, const wchar_t* caption, std::wstring& why) {
    if (!button.Enabled() || !button.Click) {
        why = std::wstring(L"the button ") + caption + L" is not enabled";
        return false;
    }
    shell.Dispatch([&button] { button.Click(); });
    return true;
}

}  // namespace

bool Driver::PauseAndResume(std::wstring& why) {
    Application& app = program_.App();
    auto& shell = program_.GetShell();
    icon1& tray = app.Get<icon1>();
    if (const Form1* main = app.Find<Form1>()) staticsDestroyed_ += StaticsOf(*main);
    if (!Choose(shell, tray.stoplook1, why) || !Pump()) return false;
    if (app.IsLoaded<Form1>()) {
        why = L"the main window is still loaded after 暂停监视";
        return false;
    }
    if (!Choose(shell, tray.goonlook1, why) || !Pump()) return false;
    const Form1* main = app.Find<Form1>();
    if (!main || main->Visible() || tray.goonlook1.Enabled()) {
        why = L"after 继续监视 the main window is not loaded and hidden, or the menu still offers it";
        return false;
    }
    return true;
}

bool Driver::OpenMainWindow(std::wstring& why) {
    Application& app = program_.App();
    if (!Choose(program_.GetShell(), app.Get<icon1>().Set1, why) || !Pump()) return false;
    if (!app.Get<Form1>().Visible()) {
        why = L"the main window does not show after 打开配置窗口";
        return false;
    }
    return true;
}

bool Driver::SaveOnce(int number, std::wstring& why) {
    auto& shell = program_.GetShell();
    Form1& main = program_.App().Get<Form1>();
    // The file starts with F3: every save changes the key.
    const std::wstring key = number % 2 == 0 ? L"F2" : L"F3";
    ComboBox& chooser = main.cmbChooseKey[0];
    shell.Dispatch([&chooser, key] {
        chooser.SetText(key);
        if (chooser.ItemPicked) chooser.ItemPicked();
    });
    if (!Pump() || !Press(shell, main.cmdApplyt, L"保存设置", why) || !Pump()) return false;
    const std::wstring written = FirstSystemKey(program_.Port());
    if (written != key || main.cmdApplyt.Enabled() || main.List1.ListCount() != 1) {
        why = L"save " + std::to_wstring(number) + L" of " + key + L": Function.dll holds " +
              written + L", 保存设置 " + (main.cmdApplyt.Enabled() ? L"enabled" : L"disabled") +
              L", " + std::to_wstring(main.List1.ListCount()) + L" list entries";
        return false;
    }
    return true;
}

bool Driver::BackToMonitoring(std::wstring& why) {
    Form1& main = program_.App().Get<Form1>();
    if (!Press(program_.GetShell(), main.ok1, L"继续监视", why) || !Pump()) return false;
    if (main.Visible()) {
        why = L"the main window still shows after 继续监视";
        return false;
    }
    return true;
}

}  // namespace vantrel::endurance
