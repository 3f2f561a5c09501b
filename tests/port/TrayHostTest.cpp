// The tray icon when the taskbar is not there yet, as at a start at log-on:
// the add is tried again every two seconds until a taskbar answers, and a
// re-created taskbar gets the icon again, once.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/win32/port/Win32Tray.h"

namespace vantrel::win32 {
namespace {

// A taskbar that is not there until `up`, recording the commands it accepted.
struct StandInTaskbar {
    bool up = false;
    std::vector<DWORD> accepted;
    std::vector<UINT> ids;
    TrayIcon::Notifier Notifier() {
        return [this](DWORD command, NOTIFYICONDATAW* data) -> BOOL {
            if (!up) return FALSE;
            accepted.push_back(command);
            ids.push_back(data->uID);
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

    // Explorer restarted: the broadcast brings the icon back, not twice.
    ::SendMessageW(icon.Window(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(taskbar.Count(NIM_ADD), 2);
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

}  // namespace
}  // namespace vantrel::win32
