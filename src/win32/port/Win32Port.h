// The Port on Win32: every call the program makes to Windows. Wide (W)
// functions throughout; files and registry text are converted to and from
// code page 936 at this edge.
#pragma once

#include <functional>
#include <memory>

#include "platform/Port.h"
#include "win32/port/EndMessages.h"
#include "win32/port/Handles.h"
#include "win32/port/Win32Api.h"

namespace vantrel::win32 {

class TrayIcon;

class Win32Port final : public Port {
public:
    Win32Port();
    ~Win32Port() override;

    // Called before every modal call (message box, dialogs, popup menus) and
    // before a window is raised, so that the native windows show the forms'
    // latest state first.
    void SetBeforeModal(std::function<void()> flush) { beforeModal_ = std::move(flush); }
    // Runs handlers the port calls back (tray icon events) the way the shell
    // runs every native event's handlers.
    using Dispatcher = std::function<void(const std::function<void()>&)>;
    void SetDispatcher(Dispatcher dispatch) { dispatch_ = std::move(dispatch); }
    // What the port's own windows (the tray's) do when asked from outside
    // to close, or when the session ends.
    void SetEndRequest(EndRequest end) { end_ = std::move(end); }

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
    std::optional<std::string> ReadBytes(const std::wstring& path) override;
    std::optional<std::wstring> ReadText(const std::wstring& path) override;
    void PlaySound(const std::wstring& file, unsigned flags) override;
    IoResult WriteBytes(const std::wstring& path, const std::string& bytes) override;
    IoResult MoveFileOver(const std::wstring& from, const std::wstring& to) override;
    bool CanStore(const std::wstring& text) override;
    std::optional<std::wstring> DecodeExact(const std::string& bytes) override;
    std::optional<std::string> Encode(const std::wstring& text) override;
    std::optional<std::uint64_t> FileSize(const std::wstring& path) override;
    std::wstring ProgramFolder() override;
    std::wstring ProgramPath() override;
    bool AnotherInstanceRunning() override;
    void EndProcess() override;
    void TraceCaughtException(const wchar_t* where) noexcept override;
    int MessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                   unsigned style) override;
    void SetTopmost(WindowHandle window, bool topmost) override;
    void RaiseWindow(WindowHandle window) override;
    ForegroundFacts ForegroundWindowFacts() override;
    WindowHandle FindProgramWindow(const std::wstring& exePath) override;
    void SwitchToWindow(WindowHandle window) override;
    void EarnForeground() override;
    void RunModal(WindowHandle window) override;
    std::wstring OpenFileDialog(WindowHandle owner, const std::wstring& title,
                                const std::wstring& filter) override;
    int PopupMenu(WindowHandle owner, const std::vector<PopupItem>& items, int xTwips,
                  int yTwips) override;
    bool ShowHelp(WindowHandle owner, const std::wstring& helpFile, unsigned command) override;
    int PopupMenuAtCursor(WindowHandle owner, const std::vector<PopupItem>& items) override;
    void DragWindow(WindowHandle window) override;
    bool AddTrayIcon(const std::wstring& tip, std::function<void(TrayMouse)> onEvent) override;
    void DeleteTrayIcon() override;

private:
    std::function<void()> beforeModal_;
    Dispatcher dispatch_;
    EndRequest end_;
    std::unique_ptr<TrayIcon> tray_;
    UniqueHandle instanceMutex_;  // held for the life of the process
    bool instanceChecked_ = false;
    bool anotherInstance_ = false;
};

}  // namespace vantrel::win32
