// What the modal calls would show: the open-file dialog's filter and the
// popup menu built from the menu items.
#include <gtest/gtest.h>

#include "win32/port/Win32Dialogs.h"
#include "win32/port/Win32Port.h"

namespace vantrel::win32 {
namespace {

TEST(Dialogs, FilterPairsBecomeNulSeparatedStringsEndingInTwoNuls) {
    std::wstring expected;
    for (const wchar_t* part : {L"可执行文件(*.exe)", L"*.exe", L"其他", L"*.doc;*.txt", L""}) {
        expected += part;
        expected += L'\0';
    }
    EXPECT_EQ(FileDialogFilter(L"可执行文件(*.exe)|*.exe|其他|*.doc;*.txt"), expected);
    EXPECT_EQ(FileDialogFilter(L""), L"");
}

struct Shown {
    std::wstring text;
    UINT type = 0, state = 0, id = 0;
    HMENU submenu = nullptr;
};

Shown ItemAt(HMENU menu, int position) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 255;
    EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info));
    return {text, info.fType, info.fState, info.wID, info.hSubMenu};
}

PopupItem Item(int id, std::wstring caption) {
    PopupItem item;
    item.id = id;
    item.caption = std::move(caption);
    return item;
}

std::vector<PopupItem> SystemMenu() {
    PopupItem open = Item(1, L"打开(&O)");
    open.shortcut = L"Ctrl+O";
    PopupItem separator = Item(2, L"");
    separator.separator = true;
    PopupItem onTop = Item(3, L"总在最前端");
    onTop.checked = true;
    PopupItem voice = Item(4, L"语音键");
    PopupItem edit = Item(5, L"编辑");
    edit.enabled = false;
    voice.children = {edit, Item(6, L"设置")};
    return {open, separator, onTop, voice};
}

TEST(Menus, ItemsBecomeAWideMenuWithShortcutsChecksGreyingAndSubmenus) {
    UniqueMenu menu = BuildPopupMenu(SystemMenu());
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu.get()), 4);

    const Shown open = ItemAt(menu.get(), 0);
    EXPECT_EQ(open.text, L"打开(&O)\tCtrl+O");
    EXPECT_EQ(open.id, 1u);
    EXPECT_FALSE(open.state & (MFS_CHECKED | MFS_GRAYED));
    EXPECT_TRUE(ItemAt(menu.get(), 1).type & MFT_SEPARATOR);
    const Shown onTop = ItemAt(menu.get(), 2);
    EXPECT_EQ(onTop.text, L"总在最前端");
    EXPECT_TRUE(onTop.state & MFS_CHECKED);

    const Shown voice = ItemAt(menu.get(), 3);
    EXPECT_EQ(voice.text, L"语音键");
    ASSERT_NE(voice.submenu, nullptr);
    ASSERT_EQ(GetMenuItemCount(voice.submenu), 2);
    const Shown edit = ItemAt(voice.submenu, 0);
    EXPECT_EQ(edit.text, L"编辑");
    EXPECT_EQ(edit.id, 5u);
    EXPECT_TRUE(edit.state & MFS_GRAYED);
    EXPECT_EQ(ItemAt(voice.submenu, 1).id, 6u);

    // The submenu belongs to the menu and goes with it.
    menu.reset();
    EXPECT_FALSE(IsMenu(voice.submenu));
}

TEST(Menus, ModalCallsWithoutAWindowShowNothingButSyncFirst) {
    Win32Port port;
    int syncs = 0;
    port.SetBeforeModal([&syncs] { ++syncs; });
    EXPECT_EQ(port.PopupMenu(0, SystemMenu(), 0, 0), 0);
    EXPECT_EQ(syncs, 1);
    port.RunModal(0);
    EXPECT_EQ(syncs, 2);
}

}  // namespace
}  // namespace vantrel::win32
