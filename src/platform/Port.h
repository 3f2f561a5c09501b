// The one interface through which the program asks anything of the operating
// system. Everything above platform/ talks to the OS only through a Port; the
// Win32 implementation lives in win32, a recording fake in tests/.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// Opaque native window handle (an HWND on Windows, any non-zero number in tests).
using WindowHandle = std::uintptr_t;

// Predefined registry roots, with the values Windows gives them.
enum class RegRoot : std::uint32_t { CurrentUser = 0x80000001u, LocalMachine = 0x80000002u };

// Registry value types the program distinguishes.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;

// What a two-step registry query found: the value's type and its data as
// stored, as wide characters (UTF-16 code units on Windows,
// embedded and trailing NULs kept exactly as stored).
struct RegValue {
    std::uint32_t type = 0;
    std::wstring data;
};

// Outcome of a file operation that can fail; `reason` is for the user.
struct IoResult {
    bool ok = true;
    std::wstring reason;
    static IoResult Ok() { return {}; }
    static IoResult Fail(std::wstring why) { return {false, std::move(why)}; }
};

// Message box styles and answers (the Win32 values).
enum MsgBoxStyle : unsigned {
    MbOk = 0x0,
    MbYesNo = 0x4,
    MbIconInformation = 0x40,
    MbIconQuestion = 0x20,
    MbIconExclamation = 0x30,
    MbIconError = 0x10,
};
constexpr int kIdOk = 1;
constexpr int kIdYes = 6;

// One item of a popup menu as the port shows it.
struct PopupItem {
    int id = 0;              // what PopupMenu returns when it is chosen
    std::wstring caption;    // with "&" before a mnemonic
    std::wstring shortcut;   // shown at the right, display only
    bool separator = false, checked = false, enabled = true;
    std::vector<PopupItem> children;  // a submenu when not empty
};

// The window in front, as the system describes it (pixels).
struct ScreenBox {
    long left = 0, top = 0, right = 0, bottom = 0;
};

struct ForegroundFacts {
    bool exists = false;            // some window is in front
    bool desktopOrTaskbar = false;  // it is the desktop or the taskbar
    bool hasCaption = false;        // it has a caption bar
    ScreenBox window;               // its rectangle
    ScreenBox monitor;              // its monitor's whole rectangle, taskbar included
    // The system's own word (SHQueryUserNotificationState): a full-screen
    // application or Direct3D game is running.
    bool systemSaysFullScreen = false;
};

// ShowWindow command for launches.
constexpr int kSwShowNormal = 1;

// What the mouse did on the program's icon in the notification area.
enum class TrayMouse { Move, LeftDown, LeftUp, LeftDoubleClick, RightDown, RightUp, RightDoubleClick, Other };

// WinHelp command: show the help file's contents.
constexpr unsigned kHelpContents = 3;

// PlaySound flags.
constexpr unsigned kSndAsync = 0x0001;
constexpr unsigned kSndFilename = 0x20000;

// ExitWindowsEx flags.
constexpr unsigned kEwxShutdown = 1;
constexpr unsigned kEwxReboot = 2;

// What a write stages its bytes in, beside the file it replaces.
inline constexpr wchar_t kWriteTempSuffix[] = L".tmp";

// The program's files are a few lines; a read refuses (reads nothing of) a
// file larger than this.
inline constexpr std::uint64_t kMaxFileBytes = 16u << 20;

class Port {
public:
    virtual ~Port() = default;

    // Keyboard: the raw GetAsyncKeyState result for a virtual-key code.
    virtual std::int16_t AsyncKeyState(int virtualKey) = 0;

    // Shell: ShellExecute with the given verb; the result is ignored by callers.
    // Whatever right to the foreground the program holds is passed on, so the
    // program or document opened may come to the front.
    virtual void ShellExecute(WindowHandle owner, const std::wstring& operation,
                              const std::wstring& file, const std::wstring& parameters,
                              const std::wstring& directory, int showCommand) = 0;

    // The end of the Windows session (ExitWindowsEx), after enabling the
    // caller's shutdown privilege. Returns whether Windows accepted the request.
    virtual bool ExitWindows(unsigned flags) = 0;

    // Starts the screen saver, as the system command of one of the
    // program's windows (Windows may refuse, e.g. when none is chosen).
    virtual void StartScreenSaver(WindowHandle window) = 0;

    // A command string for the multimedia command interface (mciSendString
    // without return buffer or callback window); returns the MCI error code.
    virtual unsigned MciCommand(const std::wstring& command) = 0;

    // PlaySound with a file name and these flags (kSndFilename, kSndAsync);
    // the result is ignored by callers.
    virtual void PlaySound(const std::wstring& file, unsigned flags) = 0;

    // Registry. Query reports nothing when the key or value is missing.
    virtual std::optional<RegValue> RegQuery(RegRoot root, const std::wstring& subKey,
                                             const std::wstring& valueName) = 0;
    // Creates missing levels of subKey, then stores data as REG_SZ with its terminator.
    virtual void RegSetString(RegRoot root, const std::wstring& subKey,
                              const std::wstring& valueName, const std::wstring& data) = 0;
    virtual void RegDelete(RegRoot root, const std::wstring& subKey,
                           const std::wstring& valueName) = 0;

    // Files. Paths are absolute. FileExists is true for an existing normal file
    // (not a folder, not hidden or system).
    virtual bool FileExists(const std::wstring& path) = 0;
    // The file's text decoded from GBK, split into lines (CR LF, CR or LF end a
    // line). Nothing when the file cannot be opened or read.
    virtual std::optional<std::vector<std::wstring>> ReadLines(const std::wstring& path) = 0;
    // Replaces the file atomically with `line` encoded in GBK and followed by
    // CR LF. On failure the previous file is left whole.
    virtual IoResult WriteLine(const std::wstring& path, const std::wstring& line) = 0;
    virtual IoResult RemoveFile(const std::wstring& path) = 0;
    // The file's whole text decoded from GBK, line ends kept as they are.
    // Nothing when the file cannot be opened or read.
    virtual std::optional<std::wstring> ReadText(const std::wstring& path) = 0;
    // A file's bytes exactly as stored; nothing when it cannot be read or is
    // larger than kMaxFileBytes (then nothing of it is read).
    virtual std::optional<std::string> ReadBytes(const std::wstring& path) = 0;
    // Replaces the file atomically with exactly these bytes. They are first
    // written to the file's name plus kWriteTempSuffix; a process killed
    // meanwhile leaves that file, which the next write of the file reuses.
    virtual IoResult WriteBytes(const std::wstring& path, const std::string& bytes) = 0;
    // Puts the file `from` in the place of `to` in one step. An existing `to`
    // is replaced, keeping its attributes and security; a read-only one is
    // refused. On failure both files are left as they were.
    virtual IoResult MoveFileOver(const std::wstring& from, const std::wstring& to) = 0;
    // Whether the text survives the files' code page (GBK) unchanged.
    virtual bool CanStore(const std::wstring& text) = 0;
    // The text of GBK bytes when every sequence in them is GBK and the text
    // encodes back to these very bytes; nothing otherwise.
    virtual std::optional<std::wstring> DecodeExact(const std::string& bytes) = 0;
    // The GBK bytes of the text; nothing when a character has none.
    virtual std::optional<std::string> Encode(const std::wstring& text) = 0;
    // A file's size in bytes, without reading it; nothing when there is no
    // such file.
    virtual std::optional<std::uint64_t> FileSize(const std::wstring& path) = 0;

    // The folder of the executable, without a trailing backslash.
    virtual std::wstring ProgramFolder() = 0;
    // The executable's full path, as the process was started from it.
    virtual std::wstring ProgramPath() = 0;

    // True when another copy of the program already runs in this session.
    // The first caller keeps the claim until the process ends.
    virtual bool AnotherInstanceRunning() = 0;
    // Ends the process at once (ExitProcess). The fake records it and returns.
    virtual void EndProcess() = 0;
    // Traces the exception being handled (call it only inside a catch block),
    // saying where it was caught, for a debugger to show.
    virtual void TraceCaughtException(const wchar_t* where) noexcept = 0;

    // Modal user interaction; owner 0 means no owner window.
    virtual int MessageBox(WindowHandle owner, const std::wstring& text,
                           const std::wstring& caption, unsigned style) = 0;

    // A visible, unowned top-level window of a running process of exactly
    // this program (its full path, case ignored), or 0 when none is open.
    virtual WindowHandle FindProgramWindow(const std::wstring& exePath) = 0;
    // Brings another program's window back: restored when minimised and put
    // in front where Windows allows it; where it refuses, raised all the
    // same, with its taskbar button flashing.
    virtual void SwitchToWindow(WindowHandle window) = 0;

    // What the system tells of the window in front, to tell whether a
    // full-screen program (a game, a video) is there.
    virtual ForegroundFacts ForegroundWindowFacts() = 0;

    // Window placement: HWND_TOPMOST or HWND_NOTOPMOST without moving or sizing.
    virtual void SetTopmost(WindowHandle window, bool topmost) = 0;
    // Brings one of the program's windows up: restored when minimised and put
    // at the top of its band in the stacking order (which needs no right to
    // the foreground), then asked for the foreground and the keyboard, which
    // Windows grants only while the program has that right: after a click on
    // its tray icon or its own windows, or after EarnForeground.
    virtual void RaiseWindow(WindowHandle window) = 0;
    // The one way the program earns the foreground when a polled key, which
    // is no input to it, asks for a window or a launch: it injects one
    // harmless key press (an unassigned key code, never a letter or digit),
    // so that it is the source of the last input. Skipped when a window of
    // the program is in front already, and when the window in front runs at
    // a higher integrity level, whose input Windows does not let us reach.
    // Costs: the key reaches the application in front, so call it once per
    // press that acts, never per tick.
    virtual void EarnForeground() = 0;

    // Runs the window modally: returns once it is hidden or destroyed; the
    // program's other windows take no input meanwhile.
    virtual void RunModal(WindowHandle window) = 0;
    // The common file-open dialog. `filter` pairs descriptions and patterns
    // separated by "|". The chosen full path, or empty when cancelled.
    virtual std::wstring OpenFileDialog(WindowHandle owner, const std::wstring& title,
                                        const std::wstring& filter) = 0;
    // Pops up a menu at a point of the window's client area (twips) and
    // returns the id of the chosen item, or 0 when none was chosen.
    virtual int PopupMenu(WindowHandle owner, const std::vector<PopupItem>& items, int xTwips,
                          int yTwips) = 0;
    // The system help viewer (WinHelp) with a command such as kHelpContents;
    // false when the system could not show it.
    virtual bool ShowHelp(WindowHandle owner, const std::wstring& helpFile, unsigned command) = 0;
    // The same at the mouse pointer's position.
    virtual int PopupMenuAtCursor(WindowHandle owner, const std::vector<PopupItem>& items) = 0;
    // Called from a mouse press on one of the program's windows: the press
    // lets go of the mouse and moves the window, as a press on its caption
    // bar would, until the button is released.
    virtual void DragWindow(WindowHandle window) = 0;

    // The program's one icon in the notification area, with its tooltip.
    // What the mouse does on the icon reaches `onEvent`.
    // Once added, the port keeps it there until DeleteTrayIcon: it adds it
    // again when the taskbar is re-created, and keeps trying for a while
    // when the taskbar is not there yet. Returns whether it shows now.
    virtual bool AddTrayIcon(const std::wstring& tip, std::function<void(TrayMouse)> onEvent) = 0;
    virtual void DeleteTrayIcon() = 0;
};

}  // namespace vantrel
