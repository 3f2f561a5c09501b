// The foreground technique, as Windows is asked for it. Wine grants every
// request for the foreground, so only the calls show what Windows 10/11
// would do: a popup menu's owner takes the foreground before the menu and
// gets a null message after it (else the menu does not close when the user
// clicks elsewhere); the right to the foreground is earned by one harmless
// key press, and only when another program is in front; a raised window
// asks for the foreground, and a switch that is refused flashes instead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImportHook.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

using test::ImportHook;

std::vector<std::wstring> g_calls;
HWND g_front = nullptr;
BOOL g_grant = TRUE;
std::vector<INPUT> g_inputs;
ImportHook* g_post = nullptr;

std::wstring Named(const wchar_t* what, HWND window) {
    return std::wstring(what) + L" " + std::to_wstring(reinterpret_cast<std::uintptr_t>(window));
}

BOOL WINAPI RecordForeground(HWND window) {
    g_calls.push_back(Named(L"foreground", window));
    return g_grant;
}
BOOL WINAPI RecordMenu(HMENU, UINT flags, int, int, int, HWND owner, const RECT*) {
    g_calls.push_back(Named((flags & TPM_RETURNCMD) ? L"menu" : L"menu without its id", owner));
    return 7;
}
BOOL WINAPI RecordPost(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NULL) g_calls.push_back(Named(L"null", window));
    return g_post->Original<BOOL(WINAPI*)(HWND, UINT, WPARAM, LPARAM)>()(window, message, wParam, lParam);
}
HWND WINAPI FrontWindow() { return g_front; }
UINT WINAPI RecordInput(UINT count, INPUT* inputs, int) {
    g_inputs.insert(g_inputs.end(), inputs, inputs + count);
    return count;
}
BOOL WINAPI RecordFlash(PFLASHWINFO info) {
    g_calls.push_back(Named((info->dwFlags & FLASHW_TRAY) ? L"flash" : L"flash elsewhere", info->hwnd));
    return TRUE;
}

class Foreground : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        g_inputs.clear();
        g_front = nullptr;
        g_grant = TRUE;
        g_post = &post_;
        ASSERT_TRUE(foreground_.Active() && menu_.Active() && post_.Active() && front_.Active() &&
                    input_.Active() && flash_.Active());
        window_ = ::CreateWindowExW(0, L"STATIC", L"owner", 0, 0, 0, 100, 100, HWND_MESSAGE,
                                    nullptr, nullptr, nullptr);
        ASSERT_TRUE(window_);
    }
    void TearDown() override {
        if (window_) ::DestroyWindow(window_);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    WindowHandle Handle() const { return reinterpret_cast<WindowHandle>(window_); }

    ImportHook foreground_{"user32.dll", "SetForegroundWindow", reinterpret_cast<void*>(&RecordForeground)};
    ImportHook menu_{"user32.dll", "TrackPopupMenu", reinterpret_cast<void*>(&RecordMenu)};
    ImportHook post_{"user32.dll", "PostMessageW", reinterpret_cast<void*>(&RecordPost)};
    ImportHook front_{"user32.dll", "GetForegroundWindow", reinterpret_cast<void*>(&FrontWindow)};
    ImportHook input_{"user32.dll", "SendInput", reinterpret_cast<void*>(&RecordInput)};
    ImportHook flash_{"user32.dll", "FlashWindowEx", reinterpret_cast<void*>(&RecordFlash)};
    HWND window_ = nullptr;
    Win32Port port;
};

TEST_F(Foreground, PopupMenuOwnerTakesTheForegroundAndGetsANullMessageAfter) {
    PopupItem item;
    item.id = 7;
    item.caption = L"第一项";
    const std::vector<PopupItem> items{item};
    const std::vector<std::wstring> expected{Named(L"foreground", window_), Named(L"menu", window_),
                                             Named(L"null", window_)};
    EXPECT_EQ(port.PopupMenu(Handle(), items, 0, 0), 7);
    EXPECT_EQ(g_calls, expected);
    g_calls.clear();
    EXPECT_EQ(port.PopupMenuAtCursor(Handle(), items), 7);
    EXPECT_EQ(g_calls, expected);
}

TEST_F(Foreground, EarnedByOneHarmlessKeyPressOnlyWhenNoWindowOfOursIsInFront) {
    port.EarnForeground();
    ASSERT_EQ(g_inputs.size(), 2u);
    const WORD key = g_inputs[0].ki.wVk;
    for (const INPUT& input : g_inputs) {
        EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_KEYBOARD));
        EXPECT_EQ(input.ki.wVk, key);
    }
    EXPECT_EQ(g_inputs[0].ki.dwFlags & KEYEVENTF_KEYUP, 0u);
    EXPECT_NE(g_inputs[1].ki.dwFlags & KEYEVENTF_KEYUP, 0u);
    // No key anyone acts on: not a letter or digit (the voice keys), not a
    // function key (the hot keys), not a modifier.
    EXPECT_FALSE((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'));
    EXPECT_FALSE(key >= VK_F1 && key <= VK_F24);
    EXPECT_FALSE(key == 0 || key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LWIN);

    // Our own window in front: the right is ours already, nothing is sent.
    g_inputs.clear();
    g_front = window_;
    port.EarnForeground();
    EXPECT_TRUE(g_inputs.empty());
}

TEST_F(Foreground, RaisedWindowAsksForItAndARefusedSwitchFlashes) {
    port.RaiseWindow(Handle());
    EXPECT_EQ(g_calls, std::vector<std::wstring>{Named(L"foreground", window_)});
    g_calls.clear();
    port.SwitchToWindow(Handle());
    EXPECT_EQ(g_calls, std::vector<std::wstring>{Named(L"foreground", window_)});
    g_calls.clear();
    g_grant = FALSE;
    port.SwitchToWindow(Handle());
    EXPECT_EQ(g_calls, (std::vector<std::wstring>{Named(L"foreground", window_), Named(L"flash", window_)}));
}

}  // namespace
}  // namespace vantrel::win32
