// The port's modal calls with real windows: a form run modally, the popup
// menu and the open-file dialog, each driven from a timer that fires inside
// the modal loop.
#include "ShellFixture.h"

#include <functional>
#include <thread>

#include "app/ComApartment.h"
#include "win32/port/Dpi.h"

namespace vantrel::test {
namespace {

class OwnerForm : public Form {
public:
    explicit OwnerForm(Application& a) : Form(a, L"OwnerForm", L"主窗口", {0, 0, 4500, 3000}) {
        SetBorderless(true);
        Add(first);
        Add(second);
    }
    ImageButton first{L"first", L"第一", {150, 150, 855, 300}, {150, 195, 855, 255}};
    ImageButton second{L"second", L"第二", {1200, 150, 855, 300}, {1200, 195, 855, 255}};
};

class SideForm : public Form {
public:
    explicit SideForm(Application& a) : Form(a, L"SideForm", L"旁窗口", {0, 0, 3000, 1500}) {
        SetBorderless(true);
    }
};

class DialogForm : public Form {
public:
    explicit DialogForm(Application& a) : Form(a, L"DialogForm", L"对话框", {0, 0, 3000, 1500}) {
        SetBorderless(true);
    }
};

// Runs `step` once from a thread timer, that is from inside whatever loop
// is pumping this thread's messages when it fires.
class During {
public:
    During(UINT ms, std::function<void()> step) : step_(std::move(step)) {
        current_ = this;
        id_ = SetTimer(nullptr, 0, ms, &During::Fire);
    }
    ~During() {
        if (id_) KillTimer(nullptr, id_);
        current_ = nullptr;
    }
    bool Fired() const { return fired_; }

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        During* self = current_;
        if (!self || self->fired_) return;
        self->id_ = 0;
        self->fired_ = true;
        self->step_();
    }
    static inline During* current_ = nullptr;
    std::function<void()> step_;
    UINT_PTR id_ = 0;
    bool fired_ = false;
};

PopupItem Item(int id, std::wstring caption) {
    PopupItem item;
    item.id = id;
    item.caption = std::move(caption);
    return item;
}

// The open-file dialog of this thread, once it shows.
HWND OpenDialogWindow() {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM found) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(w, name, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(w)) return TRUE;
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

class ShellModal : public ShellTest {
protected:
    OwnerForm& owner = Show<OwnerForm>();
};

TEST_F(ShellModal, OtherWindowsAreDisabledWhileItRunsAndExactlyThoseEnabledAgain) {
    SideForm& side = app.Get<SideForm>();  // loaded, hidden
    DialogForm& dialog = app.Get<DialogForm>();
    shell.Sync();
    // A window already disabled by its own form stays so.
    EnableWindow(Hwnd(side), FALSE);
    SetForegroundWindow(Hwnd(owner));
    Settle(50);
    ASSERT_EQ(GetForegroundWindow(), Hwnd(owner));
    bool ownerEnabledDuring = true, dialogEnabledDuring = false;
    During step(50, [&] {
        ownerEnabledDuring = IsWindowEnabled(Hwnd(owner));
        dialogEnabledDuring = IsWindowEnabled(Hwnd(dialog)) && IsWindowVisible(Hwnd(dialog));
        dialog.Hide();
        shell.Sync();
    });
    const int syncsBefore = modalSyncs;
    dialog.ShowModal();
    EXPECT_TRUE(step.Fired());
    EXPECT_EQ(modalSyncs, syncsBefore + 1);
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(dialogEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(Hwnd(owner)));
    EXPECT_FALSE(IsWindowEnabled(Hwnd(side)));
    EXPECT_FALSE(IsWindowVisible(Hwnd(dialog)));
    Settle(100);
    EXPECT_EQ(GetForegroundWindow(), Hwnd(owner));
}

TEST_F(ShellModal, UnloadingTheModalFormEndsTheLoop) {
    DialogForm& dialog = app.Get<DialogForm>();
    During step(50, [&] { app.Unload(dialog); });
    dialog.ShowModal();
    EXPECT_TRUE(step.Fired());
    EXPECT_FALSE(app.IsLoaded<DialogForm>());
    EXPECT_TRUE(IsWindowEnabled(Hwnd(owner)));
}

TEST_F(ShellModal, QuitDuringTheLoopEndsItAndReachesTheOuterLoop) {
    DialogForm& dialog = app.Get<DialogForm>();
    During step(50, [] { PostQuitMessage(7); });
    dialog.ShowModal();
    ASSERT_TRUE(step.Fired());
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_TRUE(IsWindowEnabled(Hwnd(owner)));
}

TEST(Com, TheUiThreadIsASingleThreadedApartment) {
    // On a thread of its own, as wWinMain on the UI thread.
    HRESULT again = S_OK;
    bool initialised = false;
    std::thread ui([&] {
        win32::ComApartment com;
        initialised = com.Initialised();
        // A multithreaded apartment cannot be entered on top of it.
        again = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(again)) CoUninitialize();
    });
    ui.join();
    EXPECT_TRUE(initialised);
    EXPECT_EQ(again, RPC_E_CHANGED_MODE);
}

HWND OpenMenuWindow() {
    HWND menu = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM found) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(w, name, 16);
        if (std::wstring(name) != L"#32768" || !IsWindowVisible(w)) return TRUE;
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&menu));
    return menu;
}

TEST_F(ShellModal, PopupMenuOpensAtTheTwipsPointAndReturnsTheChosenId) {
    const std::vector<PopupItem> items{Item(1, L"第一项"), Item(2, L"第二项")};
    RECT shownAt{};
    During step(100, [&] {
        HWND menu = OpenMenuWindow();
        if (!menu) return;
        GetWindowRect(menu, &shownAt);
        // Down twice highlights the second item; Enter chooses it.
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(menu, WM_KEYDOWN, key, 1);
    });
    const int chosen = port.PopupMenu(owner.hWnd(), items, 300, 450);
    ASSERT_TRUE(step.Fired());
    const int dpi = win32::WindowDpi(Hwnd(owner));
    POINT expected{win32::TwipsToPixels(300, dpi), win32::TwipsToPixels(450, dpi)};
    ClientToScreen(Hwnd(owner), &expected);
    EXPECT_EQ(shownAt.left, expected.x);
    EXPECT_EQ(shownAt.top, expected.y);
    EXPECT_EQ(chosen, 2);
}

TEST_F(ShellModal, DismissedPopupMenuReturnsZero) {
    During step(100, [] { EndMenu(); });
    EXPECT_EQ(port.PopupMenu(owner.hWnd(), {Item(1, L"第一项")}, 0, 0), 0);
    EXPECT_TRUE(step.Fired());
}

TEST_F(ShellModal, OpenFileDialogReturnsTheChosenPathOrNothingWhenCancelled) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring title;
    auto answer = [&](bool choose) {
        return [&, choose] {
            HWND dialog = OpenDialogWindow();
            for (int tries = 0; !dialog && tries < 50; ++tries) {
                Sleep(100);
                Pump();
                dialog = OpenDialogWindow();
            }
            if (!dialog) return;
            title = win32::WindowText(dialog);
            if (choose) {
                // The file name box of the explorer-style dialog (cmb13).
                SetDlgItemTextW(dialog, 0x47C, self);
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            } else {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
        };
    };
    {
        During step(300, answer(true));
        const std::wstring path = port.OpenFileDialog(owner.hWnd(), L"添加一个应用程序", L"可执行文件(*.exe)|*.exe");
        ASSERT_TRUE(step.Fired());
        EXPECT_EQ(title, L"添加一个应用程序");
        EXPECT_EQ(CompareStringOrdinal(path.c_str(), -1, self, -1, TRUE), CSTR_EQUAL) << path;
    }
    {
        During step(300, answer(false));
        EXPECT_EQ(port.OpenFileDialog(owner.hWnd(), L"添加一个应用程序", L"所有文件|*.*"), L"");
        ASSERT_TRUE(step.Fired());
    }
}

TEST_F(ShellModal, FocusComesBackToItsControlAfterAMessageBox) {
    SetForegroundWindow(Hwnd(owner));
    SetFocus(Window(owner, owner.second));
    Settle(50);
    ASSERT_EQ(GetFocus(), Window(owner, owner.second));
    During step(200, [] {
        if (HWND box = OpenDialogWindow()) PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(port.MessageBox(owner.hWnd(), L"内容", L"提示", MbOk), kIdOk);
    ASSERT_TRUE(step.Fired());
    Settle(100);
    EXPECT_EQ(GetFocus(), Window(owner, owner.second));
}

}  // namespace
}  // namespace vantrel::test
