// The tray icon when the taskbar is not there yet, as at a start at log-on:
// the add is tried again every two seconds until a taskbar answers, and a
// re-created taskbar gets the icon again, once.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "win32/port/Dpi.h"
#include "win32/port/DpiMetrics.h"
#include "win32/port/Win32Tray.h"

namespace vantrel::win32 {
namespace {

// A taskbar that is not there until `up`, recording the commands it accepted.
// Like Windows, it refuses to add an icon it already shows.
struct StandInTaskbar {
    bool up = false;
    std::set<UINT> shown;
    std::vector<DWORD> accepted;
    std::vector<UINT> ids;
    std::vector<HICON> icons;  // the pictures given with NIM_ADD and NIM_MODIFY
    TrayIcon::Notifier Notifier() {
        return [this](DWORD command, NOTIFYICONDATAW* data) -> BOOL {
            if (!up) return FALSE;
            if (command == NIM_ADD && !shown.insert(data->uID).second) return FALSE;
            if (command == NIM_DELETE) shown.erase(data->uID);
            accepted.push_back(command);
            ids.push_back(data->uID);
            if (command != NIM_DELETE && (data->uFlags & NIF_ICON)) icons.push_back(data->hIcon);
            return TRUE;
        };
    }
    int Count(DWORD command) const {
        int n = 0;
        for (auto c : accepted) n += c == command;
        return n;
    }
};

void PumpFor(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

TEST(TrayHost, MissingAtStartTheIconComesWhenTheTaskbarDoes) {
    StandInTaskbar taskbar;
    TrayIcon icon(L"Vantrel", nullptr, nullptr, taskbar.Notifier());
    ASSERT_TRUE(icon.Window());
    EXPECT_FALSE(icon.Shown());
    PumpFor(TrayIcon::kRetryMs - 800);
    taskbar.up = true;
    EXPECT_TRUE(taskbar.accepted.empty());
    // The next retry, at two seconds, finds it.
    PumpFor(1500);
    EXPECT_TRUE(icon.Shown());
    EXPECT_EQ(taskbar.Count(NIM_ADD), 1);
    // Once shown, no more retries.
    PumpFor(TrayIcon::kRetryMs + 300);
    EXPECT_EQ(taskbar.Count(NIM_ADD), 1);

    // The broadcast: the icon comes back once. It may come while the icon is
    // still there (not only after Explorer restarted), where a plain add is
    // refused.
    ::SendMessageW(icon.Window(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(taskbar.Count(NIM_ADD), 2);
    EXPECT_TRUE(icon.Shown());
    EXPECT_EQ(taskbar.ids, std::vector<UINT>(taskbar.accepted.size(), 1));
}

TEST(TrayHost, AnElevatedCopyLetsExplorersTaskbarCreatedThrough) {
    StandInTaskbar taskbar;
    taskbar.up = true;
    std::vector<std::pair<HWND, UINT>> allowed;
    TrayIcon icon(L"Vantrel", nullptr, nullptr, taskbar.Notifier(),
                  [&](HWND window, UINT message) { allowed.emplace_back(window, message); });
    // Explorer runs at a lower integrity level than an elevated Vantrel:
    // without this its broadcast never arrives and the icon stays lost.
    EXPECT_EQ(allowed, (std::vector<std::pair<HWND, UINT>>{
                           {icon.Window(), ::RegisterWindowMessageW(L"TaskbarCreated")}}));
}

TEST(TrayHost, RetriesEveryTwoSecondsNinetyTimesAndGoingAwayOnlyRemoves) {
    EXPECT_EQ(TrayIcon::kRetryMs, 2000u);
    EXPECT_EQ(TrayIcon::kRetries, 90);
    StandInTaskbar taskbar;
    {
        TrayIcon icon(L"Vantrel", nullptr, nullptr, taskbar.Notifier());
        EXPECT_FALSE(icon.Shown());
        taskbar.up = true;  // only for the removal below
    }
    // Going away removes the icon, shown or not, and tries nothing else.
    EXPECT_EQ(taskbar.accepted, std::vector<DWORD>{NIM_DELETE});
}

// The width of an icon's picture, 0 for a handle that is no icon (any more).
int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(TrayHost, IconIsMadeAtTheSmallIconSizeOfTheDpiOwnedAndMadeAgainWhenThatChanges) {
    StandInTaskbar taskbar;
    taskbar.up = true;
    std::vector<HICON> given;
    {
        TrayIcon icon(L"Vantrel", nullptr, nullptr, taskbar.Notifier());
        const int dpi = WindowDpi(icon.Window());
        ASSERT_EQ(taskbar.icons.size(), 1u);
        EXPECT_EQ(IconWidth(taskbar.icons[0]), MetricForDpi(SM_CXSMICON, dpi));

        // Moved to twice the scale: the taskbar gets a picture of that size.
        ::SendMessageW(icon.Window(), WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), 0);
        ASSERT_EQ(taskbar.icons.size(), 2u);
        EXPECT_EQ(taskbar.accepted.back(), static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(IconWidth(taskbar.icons[1]), MetricForDpi(SM_CXSMICON, 2 * dpi));
        EXPECT_EQ(IconWidth(taskbar.icons[0]), 0);  // the old picture is gone

        // A settings broadcast finds the window's own DPI differs from the
        // picture's (as a hidden window may not be told): made again.
        ::SendMessageW(icon.Window(), WM_SETTINGCHANGE, 0, 0);
        ASSERT_EQ(taskbar.icons.size(), 3u);
        EXPECT_EQ(taskbar.accepted.back(), static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(IconWidth(taskbar.icons[2]), MetricForDpi(SM_CXSMICON, dpi));
        EXPECT_EQ(IconWidth(taskbar.icons[1]), 0);
        // Nothing changed: nothing is made.
        ::SendMessageW(icon.Window(), WM_DISPLAYCHANGE, 32, 0);
        EXPECT_EQ(taskbar.icons.size(), 3u);

        // A new taskbar: a picture made for the scale there is now.
        ::SendMessageW(icon.Window(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        ASSERT_EQ(taskbar.icons.size(), 4u);
        EXPECT_EQ(taskbar.accepted.back(), static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(IconWidth(taskbar.icons[3]), MetricForDpi(SM_CXSMICON, dpi));
        EXPECT_EQ(IconWidth(taskbar.icons[2]), 0);
        given = taskbar.icons;
    }
    // The program's own picture goes with the icon.
    EXPECT_EQ(IconWidth(given[3]), 0);
}

}  // namespace
}  // namespace vantrel::win32
