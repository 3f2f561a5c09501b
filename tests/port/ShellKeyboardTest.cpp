// The keyboard in the shell's forms: Tab through the tab stops in control
// order, Enter and Space on focused controls, Alt+letter on menu headers,
// and the choosers' keys for the form's handlers.
#include "ShellFixture.h"

#include "../e2e/tools/ClipboardText.h"

#include <imm.h>

#include <atomic>
#include <functional>
#include <thread>

namespace vantrel::test {
namespace {

const Picture kGreen{L"SINGLE"};

class KeysForm : public Form {
public:
    explicit KeysForm(Application& a) : Form(a, L"KeysForm", L"键盘", {0, 0, 6000, 3000}) {
        SetBorderless(true);
        hint.SetTabStop(true);
        picture.SetTabStop(true);
        picture.SetAccessibleName(L"功能");
        hidden.SetVisible(false);
        helpHeader.SetEnabled(false);
        for (const wchar_t* item : {L"无", L"F2", L"F3"}) chooser.AddItem(item);
        chooser.SetText(L"无");
        for (Control* c : std::initializer_list<Control*>{&list, &menuHeader, &hint, &add, &chooser,
                                                          &picture, &save, &hidden, &helpHeader})
            Add(*c);
        for (Control* c : std::initializer_list<Control*>{&menuHeader, &hint, &add, &picture, &save,
                                                          &hidden, &helpHeader})
            c->Click = [this, c] { clicked.push_back(c->Name()); };
        chooser.KeyDown = [this](int& key, int) { downKeys.push_back(key); };
        chooser.KeyUp = [this](int& key, int) { upKeys.push_back(key); };
        chooser.ItemPicked = [this] { picked.push_back(chooser.Text()); };
    }

    ListBox list{L"list", {150, 150, 1500, 900}};
    Label menuHeader{L"menuHeader", L"系统(&S)", {1800, 150, 660, 210}};
    Label hint{L"hint", L"总在最前端", {2700, 150, 1100, 255}};
    ImageButton add{L"add", L"添加", {150, 1200, 855, 300}, {150, 1245, 855, 255}};
    ComboBox chooser{L"chooser", {1200, 1200, 900, 300}};
    Image picture{L"picture", {2400, 1200, 885, 315}, &kGreen};
    ImageButton save{L"save", L"保存设置", {3600, 1200, 855, 300}, {3600, 1245, 855, 255}};
    ImageButton hidden{L"hidden", L"隐藏", {150, 2000, 855, 300}, {150, 2045, 855, 255}};
    Label helpHeader{L"helpHeader", L"帮助(&H)", {1200, 2000, 660, 210}};

    std::vector<std::wstring> clicked, picked;
    std::vector<int> downKeys, upKeys;
};

class ShellKeyboard : public ShellTest {
protected:
    KeysForm& form = Show<KeysForm>();
    HWND edit = ChooserEdit();

    HWND ChooserEdit() {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(Window(form, form.chooser), &info);
        return info.hwndItem;
    }

    // The focused control (a chooser for its edit field).
    HWND Focused() {
        HWND focus = GetFocus();
        return focus == edit ? GetParent(focus) : focus;
    }

    // A key as the program's loop sees it: through PreTranslate, then the
    // characters the translation posted.
    void Key(UINT message, WPARAM key, LPARAM flags = 1) {
        MSG msg{};
        msg.hwnd = GetFocus() ? GetFocus() : Hwnd(form);
        msg.message = message;
        msg.wParam = key;
        msg.lParam = flags;
        if (!win32::PreTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Pump();
    }

    void Press(WPARAM key) {
        Key(WM_KEYDOWN, key);
        Key(WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }

    void Tab(bool shift = false) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        const BYTE saved = keys[VK_SHIFT];
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        Key(WM_KEYDOWN, VK_TAB);
        keys[VK_SHIFT] = saved;
        SetKeyboardState(keys);
    }

    bool Dropped() { return SendMessageW(Window(form, form.chooser), CB_GETDROPPEDSTATE, 0, 0) != 0; }
};

TEST_F(ShellKeyboard, TabAndShiftTabFollowTheControlOrderOverVisibleTabStops) {
    SetFocus(Window(form, form.list));
    const std::vector<const Control*> order{&form.hint, &form.add, &form.chooser, &form.picture,
                                            &form.save, &form.list};
    for (const Control* next : order) {
        Tab();
        EXPECT_EQ(Focused(), Window(form, *next)) << next->Name();
    }
    for (auto it = order.rbegin() + 1; it != order.rend(); ++it) {
        Tab(true);
        EXPECT_EQ(Focused(), Window(form, **it)) << (*it)->Name();
    }
    EXPECT_FALSE(Style(Window(form, form.menuHeader)) & WS_TABSTOP);
}

TEST_F(ShellKeyboard, EnterAndSpaceOnAFocusedImageButtonClickOnceEach) {
    SetFocus(Window(form, form.save));
    Press(VK_RETURN);
    EXPECT_EQ(form.clicked, std::vector<std::wstring>{L"save"});
    Press(VK_SPACE);
    EXPECT_EQ(form.clicked, (std::vector<std::wstring>{L"save", L"save"}));
    // A held key repeats its key-down; it is still one click.
    Key(WM_KEYDOWN, VK_RETURN, 0x40000001);
    EXPECT_EQ(form.clicked.size(), 2u);

    form.save.SetEnabled(false);
    form.add.SetEnabled(true);
    shell.Sync();
    SetFocus(Window(form, form.add));
    form.add.SetEnabled(false);
    shell.Sync();
    // The focus moved on from the disabled button; Enter there is no click of it.
    EXPECT_NE(GetFocus(), Window(form, form.add));
    SendMessageW(Window(form, form.add), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(form.clicked.size(), 2u);
}

TEST_F(ShellKeyboard, EnterOnAFocusedTabStopLabelOrPictureRunsItsClick) {
    SetFocus(Window(form, form.hint));
    Press(VK_RETURN);
    SetFocus(Window(form, form.picture));
    Press(VK_SPACE);
    EXPECT_EQ(form.clicked, (std::vector<std::wstring>{L"hint", L"picture"}));
    EXPECT_EQ(win32::WindowText(Window(form, form.picture)), L"功能");
}

TEST_F(ShellKeyboard, FocusedTabStopLabelAndPictureShowAFocusRectangle) {
    for (const Control* control : std::initializer_list<const Control*>{&form.hint, &form.picture}) {
        HWND hwnd = Window(form, *control);
        SetFocus(Window(form, form.list));
        Settle(30);
        const auto without = PixelsOf(hwnd);
        SetFocus(hwnd);
        Settle(30);
        const auto with = PixelsOf(hwnd);
        ASSERT_EQ(with.size(), without.size());
        // The dotted frame: its corner pixel changes, the middle does not.
        EXPECT_NE(with.front(), without.front()) << control->Name();
        EXPECT_EQ(with[with.size() / 2], without[without.size() / 2]) << control->Name();
    }
}

TEST_F(ShellKeyboard, AltLetterRunsTheMenuHeaderWithThatMnemonic) {
    SetFocus(Window(form, form.list));
    Key(WM_SYSCHAR, L's', 0x20000001);
    Key(WM_SYSCHAR, L'S', 0x20000001);
    EXPECT_EQ(form.clicked, (std::vector<std::wstring>{L"menuHeader", L"menuHeader"}));
    // A disabled header takes its key and does nothing.
    Key(WM_SYSCHAR, L'h', 0x20000001);
    EXPECT_EQ(form.clicked.size(), 2u);
}

TEST_F(ShellKeyboard, PlainLetterIsAMnemonicOnlyWhereTheFocusTakesNoText) {
    SetFocus(Window(form, form.save));
    Key(WM_CHAR, L's');
    EXPECT_EQ(form.clicked, std::vector<std::wstring>{L"menuHeader"});
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    Key(WM_CHAR, L's');
    EXPECT_EQ(form.clicked.size(), 1u);
    EXPECT_EQ(form.chooser.Text(), L"无");  // and typing never reaches a chooser
}

TEST_F(ShellKeyboard, ClosedChooserPassesKeysToTheFormsHandlers) {
    SetFocus(edit);
    Press('A');
    EXPECT_EQ(form.downKeys, std::vector<int>{'A'});
    EXPECT_EQ(form.upKeys, std::vector<int>{'A'});
}

TEST_F(ShellKeyboard, F4AltDownAndAltUpOpenTheListWithoutReachingTheHandlers) {
    SetFocus(edit);
    Key(WM_KEYDOWN, VK_F4);
    EXPECT_TRUE(Dropped());
    SendMessageW(Window(form, form.chooser), CB_SHOWDROPDOWN, FALSE, 0);
    Key(WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    EXPECT_TRUE(Dropped());
    SendMessageW(Window(form, form.chooser), CB_SHOWDROPDOWN, FALSE, 0);
    Key(WM_SYSKEYDOWN, VK_UP, 0x20000001);
    EXPECT_TRUE(Dropped());
    EXPECT_TRUE(form.downKeys.empty());
}

TEST_F(ShellKeyboard, OpenListTakesArrowsAndEnterPicksTheHighlightedItem) {
    SetFocus(edit);
    Key(WM_KEYDOWN, VK_F4);
    ASSERT_TRUE(Dropped());
    Key(WM_KEYDOWN, VK_DOWN);
    Key(WM_KEYDOWN, VK_DOWN);
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(Dropped());
    EXPECT_TRUE(form.downKeys.empty());
    EXPECT_EQ(form.picked, std::vector<std::wstring>{L"F3"});
    EXPECT_EQ(form.chooser.Text(), L"F3");
}

TEST_F(ShellKeyboard, LockedChooserRefusesAPickFromTheKeyboard) {
    form.chooser.SetLocked(true);
    shell.Sync();
    SetFocus(edit);
    SendMessageW(Window(form, form.chooser), CB_SHOWDROPDOWN, TRUE, 0);
    Key(WM_KEYDOWN, VK_DOWN);
    Key(WM_KEYDOWN, VK_RETURN);
    Settle(50);
    EXPECT_TRUE(form.picked.empty());
    EXPECT_EQ(form.chooser.Text(), L"无");
    EXPECT_EQ(win32::WindowText(Window(form, form.chooser)), L"无");
}

// Whether a popup menu showed while `action` ran; any menu is closed at once.
bool MenuShowedDuring(const std::function<void()>& action) {
    static bool seen;
    seen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu)) {
            seen = true;
            EndMenu();
        }
    });
    action();
    const ULONGLONG end = GetTickCount64() + 400;
    MSG msg{};
    while (GetTickCount64() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
    KillTimer(nullptr, timer);
    return seen;
}

TEST_F(ShellKeyboard, ChooserHoldsOnlyItsNamesWhateverReachesItsEditField) {
    HWND box = Window(form, form.chooser);
    ASSERT_TRUE(PutClipboardText(Hwnd(form), L"F2,F3"));
    // Read-only for good, and without an input method.
    EXPECT_TRUE(Style(edit) & ES_READONLY);
    SendMessageW(edit, EM_SETREADONLY, FALSE, 0);
    EXPECT_TRUE(Style(edit) & ES_READONLY);
    EXPECT_EQ(ImmGetContext(edit), nullptr);
    // It still looks like a field to pick into, not a greyed one.
    RECT inside{};
    GetClientRect(edit, &inside);
    EXPECT_EQ(PixelOf(edit, inside.right - 2, inside.bottom / 2), GetSysColor(COLOR_WINDOW));

    // No context menu of its own (its "粘贴" would bypass the keys).
    RECT field{};
    GetWindowRect(edit, &field);
    EXPECT_FALSE(MenuShowedDuring([this, &field] {
        SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), MAKELPARAM(field.left + 3, field.top + 3));
    }));

    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_PASTE, 0, 0);
    SendMessageW(edit, WM_CLEAR, 0, 0);
    SendMessageW(edit, WM_CUT, 0, 0);
    Settle(50);
    EXPECT_EQ(win32::WindowText(edit), L"无");
    // Another program replaces the field's text: the chooser keeps its own,
    // and an undo does not bring the other text back.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"F2,F3"));
    Settle(50);
    SendMessageW(edit, EM_UNDO, 0, 0);
    SendMessageW(edit, WM_UNDO, 0, 0);
    Settle(50);
    EXPECT_EQ(form.chooser.Text(), L"无");
    EXPECT_EQ(win32::WindowText(box), L"无");
    // Text set from another thread tells the box nothing: it is refused.
    std::atomic<bool> sent{false};
    std::thread other([this, &sent] {
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"F2,F3"));
        sent = true;
    });
    while (!sent) Settle(20);
    other.join();
    EXPECT_EQ(win32::WindowText(box), L"无");
    EXPECT_EQ(form.chooser.Text(), L"无");
    EXPECT_TRUE(form.picked.empty());
    // Picking still works.
    SendMessageW(box, CB_SHOWDROPDOWN, TRUE, 0);
    Key(WM_KEYDOWN, VK_DOWN);
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(form.chooser.Text(), L"F2");
}

TEST_F(ShellKeyboard, LeavingAChooserWithAKeyDownRaisesItsKeyUpOnce) {
    SetFocus(edit);
    Key(WM_KEYDOWN, VK_SHIFT);
    ASSERT_EQ(form.downKeys, std::vector<int>{VK_SHIFT});
    Tab(true);
    EXPECT_EQ(Focused(), Window(form, form.add));
    EXPECT_EQ(form.upKeys, std::vector<int>{VK_SHIFT});
    // Nothing is down the next time the focus passes through.
    SetFocus(edit);
    Tab();
    EXPECT_EQ(Focused(), Window(form, form.picture));
    EXPECT_EQ(form.upKeys.size(), 1u);
}

}  // namespace
}  // namespace vantrel::test
