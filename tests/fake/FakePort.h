// A Port that keeps files and registry in memory, answers what the test
// scripted, and records every call that reaches the outside world in order.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Port.h"

namespace vantrel::testing {

class FakePort : public Port {
public:
    // Recorded calls, one text each, e.g. L"ShellExecute(7,Open,C:\\a.txt,,C:\\Vantrel,1)".
    std::vector<std::wstring> calls;
    // Every key-state query, in order.
    std::vector<int> keyQueries;

    struct Message {
        WindowHandle owner;
        std::wstring text, caption;
        unsigned style;
    };
    std::vector<Message> messages;
    int messageAnswer = kIdOk;

    // Scripted world.
    // Keys held now. GetAsyncKeyState's answer is built as the system builds
    // it: the high bit while a key is down, the low bit when it went down
    // since the previous query of that key (a held key shows it once).
    std::set<int> keysDown;
    // Holds exactly these keys from now on; a key that goes down here shows
    // the low bit at its next query even when it is up again by then.
    void HoldKeys(std::set<int> keys) {
        for (int key : keys)
            if (!keysDown.count(key)) tappedSinceQuery.insert(key);
        keysDown = std::move(keys);
    }
    std::wstring folder = L"C:\\Vantrel";
    bool anotherInstance = false;
    bool exitWindowsResult = true;
    bool ended = false;
    // Runs inside every recorded call, with its text: what a message pumped
    // by the system during the call would do.
    std::function<void(const std::wstring& call)> during;
    std::map<std::wstring, std::string> files;  // path -> bytes
    std::set<std::wstring> unwritable;          // WriteLine/RemoveFile fail here
    std::set<std::wstring> unreadable;          // ReadLines fails here
    // Sizes FileSize reports instead of the bytes' own, and reads refuse past
    // kMaxFileBytes: a large file without holding its bytes.
    std::map<std::wstring, std::uint64_t> sizes;
    std::vector<std::wstring> reads;  // every file whose bytes were read, in order
    // Values by root, key (without a trailing backslash) and name.
    std::map<std::tuple<RegRoot, std::wstring, std::wstring>, RegValue> registry;
    std::set<RegRoot> readOnlyRoots;  // writes and deletes there have no effect
    static std::wstring KeyPath(std::wstring subKey);
    static std::wstring RootName(RegRoot root) {
        return root == RegRoot::LocalMachine ? L"HKLM\\" : L"HKCU\\";
    }

    // Dialogs and menus: what was asked, and what the test answers.
    struct FileDialog {
        WindowHandle owner;
        std::wstring title, filter;
    };
    std::vector<FileDialog> fileDialogs;
    std::wstring fileDialogAnswer;  // empty: the user cancelled
    struct Popup {
        WindowHandle owner;
        std::vector<PopupItem> items;
        int x, y;
    };
    std::vector<Popup> popups;
    int popupAnswer = 0;  // the id the user picks; 0: none
    std::vector<WindowHandle> modals;  // windows run modally, in order
    // The tray icon: whether it shows, and its owner's event handler.
    bool trayShown = false;
    std::function<void(TrayMouse)> trayEvent;

    // Conveniences for tests.
    std::wstring Path(const std::wstring& relative) const { return folder + relative; }
    void PutFile(const std::wstring& relative, const std::string& bytes) { files[Path(relative)] = bytes; }
    void PutText(const std::wstring& relative, const std::wstring& text);  // GBK-encodes
    bool Has(const std::wstring& relative) const { return files.count(Path(relative)) > 0; }
    const std::string& Bytes(const std::wstring& relative) const { return files.at(Path(relative)); }
    // The calls whose text starts with the prefix.
    std::vector<std::wstring> CallsTo(const std::wstring& prefix) const;

    std::int16_t AsyncKeyState(int virtualKey) override;
    void ShellExecute(WindowHandle owner, const std::wstring& operation, const std::wstring& file,
                      const std::wstring& parameters, const std::wstring& directory,
                      int showCommand) override;
    bool ExitWindows(unsigned flags) override;
    void StartScreenSaver(WindowHandle window) override;
    unsigned MciCommand(const std::wstring& command) override;
    std::optional<RegValue> RegQuery(RegRoot root, const std::wstring& subKey,
                                     const std::wstring& valueName) override;
    void RegSetString(RegRoot root, const std::wstring& subKey, const std::wstring& valueName,
                      const std::wstring& data) override;
    void RegDelete(RegRoot root, const std::wstring& subKey, const std::wstring& valueName) override;
    bool FileExists(const std::wstring& path) override;
    std::optional<std::vector<std::wstring>> ReadLines(const std::wstring& path) override;
    IoResult WriteLine(const std::wstring& path, const std::wstring& line) override;
    IoResult RemoveFile(const std::wstring& path) override;
    std::wstring ProgramFolder() override { return folder; }
    std::wstring exeName = L"Vantrel.exe";
    std::wstring ProgramPath() override { return folder + L"\\" + exeName; }
    bool AnotherInstanceRunning() override { return anotherInstance; }
    void EndProcess() override;
    // Recorded as "Trace(<where>: <what>)".
    void TraceCaughtException(const wchar_t* where) noexcept override;
    IoResult MoveFileOver(const std::wstring& from, const std::wstring& to) override;
    // Reads and existence checks of these paths throw, as a failing system call would.
    std::set<std::wstring> throwingPaths;
    int MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                   unsigned style) override;
    void SetTopmost(WindowHandle window, bool topmost) override;
    void RaiseWindow(WindowHandle window) override {
        Record(L"RaiseWindow(" + std::to_wstring(window) + L")");
    }
    void EarnForeground() override { Record(L"EarnForeground()"); }
    // Running programs' windows by exe path, as FindProgramWindow finds them.
    std::map<std::wstring, WindowHandle> programWindows;
    WindowHandle FindProgramWindow(const std::wstring& exePath) override {
        const auto it = programWindows.find(exePath);
        return it == programWindows.end() ? 0 : it->second;
    }
    void SwitchToWindow(WindowHandle window) override {
        Record(L"SwitchToWindow(" + std::to_wstring(window) + L")");
    }
    // The window in front; each look at it is counted.
    ForegroundFacts foreground;
    int foregroundLooks = 0;
    ForegroundFacts ForegroundWindowFacts() override {
        ++foregroundLooks;
        return foreground;
    }
    std::optional<std::string> ReadBytes(const std::wstring& path) override;
    std::optional<std::wstring> ReadText(const std::wstring& path) override;
    void PlaySound(const std::wstring& file, unsigned flags) override;
    IoResult WriteBytes(const std::wstring& path, const std::string& bytes) override;
    bool CanStore(const std::wstring& text) override;
    std::optional<std::wstring> DecodeExact(const std::string& bytes) override;
    std::optional<std::string> Encode(const std::wstring& text) override;
    std::optional<std::uint64_t> FileSize(const std::wstring& path) override;
    void RunModal(WindowHandle window) override;
    std::wstring OpenFileDialog(WindowHandle owner, const std::wstring& title,
                                const std::wstring& filter) override;
    int PopupMenu(WindowHandle owner, const std::vector<PopupItem>& items, int xTwips,
                  int yTwips) override;
    bool helpAnswer = true;  // what the help viewer reports
    bool ShowHelp(WindowHandle owner, const std::wstring& helpFile, unsigned command) override {
        Record(L"ShowHelp(" + std::to_wstring(owner) + L"," + helpFile + L"," + std::to_wstring(command) + L")");
        return helpAnswer;
    }
    int PopupMenuAtCursor(WindowHandle owner, const std::vector<PopupItem>& items) override;
    void DragWindow(WindowHandle window) override;
    bool AddTrayIcon(const std::wstring& tip, std::function<void(TrayMouse)> onEvent) override;
    void DeleteTrayIcon() override;

private:
    void ThrowIfScripted(const std::wstring& path) const;
    std::set<int> downAtLastQuery, tappedSinceQuery;
    void Record(std::wstring call) {
        calls.push_back(call);
        if (during) during(call);
    }
};

}  // namespace vantrel::testing
