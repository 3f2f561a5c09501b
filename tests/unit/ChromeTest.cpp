// The main window's chrome: hover, press and release pictures, hints,
// restore surfaces, menu headers, always on top, dragging and closing.
#include "fake/Fixture.h"
#include "ui/settings/Form3.h"
#include "ui/settings/Form2.h"
#include "ui/tray/endset01.h"
#include "ui/tray/frmMenuForm.h"
#include "ui/voice/Form4.h"

namespace vantrel::testing {
namespace {

const MouseArgs kLeft{1, 0, 0, 0};
const MouseArgs kRight{2, 0, 0, 0};

class ChromeTest : public AppTest {
protected:
    Form1* form = nullptr;
    void SetUp() override {
        port.PutText(L"\\Function.dll", L"无\r\n");
        port.PutText(L"\\Custom.dll", L"F5   C:\\a.txt\r\n");
        form = &Start();
    }
    const Picture* Bpt() const { return form->Bpt.GetPicture(); }
    const Picture* Bm() const { return form->Bm.GetPicture(); }
    const Picture* Bo() const { return form->Bo.GetPicture(); }
    const Picture* Bauto() const { return form->Bauto.GetPicture(); }
    const Picture* Bef() const { return form->Bef.GetPicture(); }
    void Edit() {
        form->cmbChooseKey[1].SetText(L"F3");
        form->cmbChooseKey[1].ItemPicked();
    }
    void Move(Control& c) { c.MouseMove(MouseArgs{}); }
    // Every face on the hover picture, as a pointer leaving the window
    // straight from the buttons can leave them.
    void AllHover() {
        for (ImageButton* b : {&form->cmdadd, &form->cmddelt, &form->cmdApplyt, &form->cmdgd,
                               &form->ok1, &form->cmdcancelt})
            b->SetPicture(Bm());
        form->zt.SetCaption(L"hint");
    }
};

TEST_F(ChromeTest, HoverShowsTheHoverFaceAndWritesTheHint) {
    const std::pair<ImageButton*, const wchar_t*> rows[] = {
        {&form->cmdadd, L"添加一个用热键调用的指定程序"},
        {&form->cmdgd, L"更多的功能设置..."},
        {&form->ok1, L"隐藏本窗口"},
        {&form->cmdcancelt, L"选择结束程序的方式"}};
    for (auto [button, hint] : rows) {
        Move(*button);
        EXPECT_EQ(button->GetPicture(), Bm()) << button->Name();
        EXPECT_EQ(form->zt.Caption(), hint) << button->Name();
    }
    // The save and delete buttons react only while enabled.
    Move(form->cmdApplyt);
    Move(form->cmddelt);
    EXPECT_EQ(form->cmdApply.GetPicture(), Bef());
    EXPECT_EQ(form->cmddel.GetPicture(), Bef());
    EXPECT_EQ(form->zt.Caption(), L"选择结束程序的方式");
    Edit();
    form->List1.SetListIndex(0);
    form->List1.MouseDown(kLeft);
    Move(form->cmdApplyt);
    EXPECT_EQ(form->cmdApply.GetPicture(), Bm());
    EXPECT_EQ(form->zt.Caption(), L"保存修改的数据");
    Move(form->cmddelt);
    EXPECT_EQ(form->cmddel.GetPicture(), Bm());
    EXPECT_EQ(form->zt.Caption(), L"删除列表中选定的条目");
}

TEST_F(ChromeTest, BottomRowHoverRestsItsNeighbours) {
    AllHover();
    Move(form->cmdApplyt);  // Loaded: the save button is disabled and takes no mouse
    EXPECT_EQ(form->cmdOk.GetPicture(), Bm());
    Edit();
    AllHover();
    Move(form->cmdApplyt);
    EXPECT_EQ(form->cmdOk.GetPicture(), Bef());  // ok1 is disabled while Edited
    EXPECT_EQ(form->cmdCancel.GetPicture(), Bpt());
    EXPECT_EQ(form->cmdgdi.GetPicture(), Bm());  // not its neighbour
    AllHover();
    Move(form->cmdcancelt);
    EXPECT_EQ(form->cmdApply.GetPicture(), Bauto());
    EXPECT_EQ(form->cmdOk.GetPicture(), Bef());
    // While Edited, "继续监视" shows no hover and no hint.
    AllHover();
    Move(form->ok1);
    EXPECT_EQ(form->cmdOk.GetPicture(), Bm());  // untouched
    EXPECT_EQ(form->cmdCancel.GetPicture(), Bm());
    EXPECT_EQ(form->zt.Caption(), L"hint");
    form->cmdApplyt.Click();  // saved: Loaded again
    AllHover();
    Move(form->ok1);
    EXPECT_EQ(form->cmdCancel.GetPicture(), Bpt());
    EXPECT_EQ(form->zt.Caption(), L"隐藏本窗口");
}

TEST_F(ChromeTest, PressAndReleasePictures) {
    // The add row answers any button; the bottom row but "保存设置" only the left one.
    form->cmdadd.MouseDown(kRight);
    EXPECT_EQ(form->cmdadda.GetPicture(), Bo());
    form->cmdadd.MouseUp(kRight);
    EXPECT_EQ(form->cmdadda.GetPicture(), Bpt());
    for (ImageButton* b : {&form->cmdgd, &form->ok1, &form->cmdcancelt}) {
        const Picture* before = b->GetPicture();
        b->MouseDown(kRight);
        EXPECT_EQ(b->GetPicture(), before) << b->Name();
        b->MouseDown(kLeft);
        EXPECT_EQ(b->GetPicture(), Bo()) << b->Name();
        b->SetPicture(Bm());
        b->MouseUp(kRight);
        EXPECT_EQ(b->GetPicture(), Bm()) << b->Name();
        b->MouseUp(kLeft);
        EXPECT_EQ(b->GetPicture(), Bpt()) << b->Name();
    }
    // Release of "保存设置": Bpt while "继续监视" is enabled, else Bauto.
    form->cmdApplyt.MouseDown(kRight);
    EXPECT_EQ(form->cmdApply.GetPicture(), Bo());
    form->cmdApplyt.MouseUp(kRight);
    EXPECT_EQ(form->cmdApply.GetPicture(), Bpt());
    Edit();
    form->cmdApplyt.MouseUp(kLeft);
    EXPECT_EQ(form->cmdApply.GetPicture(), Bauto());
    form->cmddelt.MouseDown(kLeft);
    EXPECT_EQ(form->cmddel.GetPicture(), Bo());
    form->cmddelt.MouseUp(kLeft);
    EXPECT_EQ(form->cmddel.GetPicture(), Bpt());
}

TEST_F(ChromeTest, RestoreSurfacesPutWhatTheyOwnBackToRest) {
    Edit();
    AllHover();
    form->wincom.SetPicture(form->win2.GetPicture());
    form->cp.SetPicture(form->c2.GetPicture());
    form->MouseMove(MouseArgs{});  // the window background
    EXPECT_EQ(form->zt.Caption(), L"");
    EXPECT_EQ(form->cmdgdi.GetPicture(), Bpt());
    EXPECT_EQ(form->cmddel.GetPicture(), Bef());
    EXPECT_EQ(form->cmdadda.GetPicture(), Bpt());
    EXPECT_EQ(form->cp.GetPicture(), form->c1.GetPicture());  // Check1 is 0 after the pick
    EXPECT_EQ(form->cmdApply.GetPicture(), Bm());  // not the background's
    EXPECT_EQ(form->wincom.GetPicture(), form->win2.GetPicture());

    AllHover();
    Move(form->Image21);  // syscmd
    EXPECT_EQ(form->cmdApply.GetPicture(), Bauto());
    EXPECT_EQ(form->cmdOk.GetPicture(), Bef());
    EXPECT_EQ(form->cmdCancel.GetPicture(), Bpt());
    EXPECT_EQ(form->cmdgdi.GetPicture(), Bpt());
    EXPECT_EQ(form->zt.Caption(), L"");
    EXPECT_EQ(form->cmdadda.GetPicture(), Bm());
    EXPECT_EQ(form->wincom.GetPicture(), form->win2.GetPicture());

    AllHover();
    Move(form->Image19);
    EXPECT_EQ(form->wincom.GetPicture(), form->win1.GetPicture());
    EXPECT_EQ(form->cmdCancel.GetPicture(), Bm());
    EXPECT_EQ(form->zt.Caption(), L"hint");
    form->wincom.SetPicture(form->win2.GetPicture());
    Move(form->Image20);
    EXPECT_EQ(form->wincom.GetPicture(), form->win1.GetPicture());
    EXPECT_EQ(form->cmdCancel.GetPicture(), Bpt());
}

TEST_F(ChromeTest, MenuHeadersLightUpAndTheirSurfacesPutThemBack) {
    Move(form->xt);
    EXPECT_TRUE(form->xt.Opaque());
    EXPECT_EQ(form->xt.ForeColor(), (Colour{255, 255, 255}));
    EXPECT_EQ(form->xt.BackColor(), (Colour{0, 0, 128}));
    EXPECT_EQ(form->zt.Caption(), L"点击弹出系统菜单");
    Move(form->help);
    EXPECT_EQ(form->zt.Caption(), L"点击弹出帮助菜单");
    for (Image* surface : {&form->Image1, &form->Image5, &form->Image8, &form->Image9}) {
        Move(form->xt);
        Move(form->help);
        form->cp.SetPicture(form->c5.GetPicture());
        Move(*surface);
        EXPECT_FALSE(form->xt.Opaque()) << surface->Name();
        EXPECT_FALSE(form->help.Opaque()) << surface->Name();
        EXPECT_EQ(form->help.ForeColor(), (Colour{0, 0, 0})) << surface->Name();
        EXPECT_EQ(form->zt.Caption(), L"") << surface->Name();
        EXPECT_EQ(form->cp.GetPicture(), form->c4.GetPicture()) << surface->Name();
    }
    Move(form->help);
    form->help.MouseUp(kLeft);
    EXPECT_FALSE(form->help.Opaque());
    EXPECT_EQ(form->zt.Caption(), L"");
}

TEST_F(ChromeTest, HeadersDropOnTopAndPopTheirMenuUnderThemselves) {
    form->xt.Click();
    EXPECT_EQ(form->Check1.Value(), 0);
    EXPECT_EQ(form->cp.GetPicture(), form->c1.GetPicture());
    // Off the top band before the menu opens.
    const auto& calls = port.calls;
    const auto popup = std::find_if(calls.begin(), calls.end(),
                                    [](auto& c) { return c.rfind(L"PopupMenu", 0) == 0; });
    ASSERT_NE(popup, calls.end());
    EXPECT_EQ(*(popup - 1), L"SetTopmost(100,0)");
    ASSERT_EQ(port.popups.size(), 1u);
    EXPECT_EQ(port.popups[0].owner, form->hWnd());
    EXPECT_EQ(port.popups[0].x, 240);
    EXPECT_EQ(port.popups[0].y, 380 + 210);
    std::vector<std::wstring> captions;
    for (auto& item : port.popups[0].items) captions.push_back(item.separator ? L"-" : item.caption);
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"语音键设置...", L"个性化设置...", L"更多设置...",
                                                   L"-", L"访问Talvorin软件", L"-", L"退出..."}));
    EXPECT_EQ(port.popups[0].items[6].shortcut, L"Ctrl+S");

    form->help.Click();
    EXPECT_EQ(port.popups[1].x, 960);
    EXPECT_EQ(port.popups[1].y, 590);
    ASSERT_EQ(port.popups[1].items.size(), 2u);
    EXPECT_EQ(port.popups[1].items[0].caption, L"帮助文件");
    EXPECT_EQ(port.popups[1].items[0].shortcut, L"F1");
    EXPECT_EQ(port.popups[1].items[1].shortcut, L"Ctrl+A");

    form->wincom.Click();
    EXPECT_EQ(port.popups[2].x, 105);
    EXPECT_EQ(port.popups[2].y, 5910 + 315);
    ASSERT_EQ(port.popups[2].items.size(), 4u);
    EXPECT_EQ(port.popups[2].items[0].caption, L"更换Skins");
    ASSERT_EQ(port.popups[2].items[0].children.size(), 1u);
    EXPECT_EQ(port.popups[2].items[0].children[0].caption, L"蓝色梦幻");
    EXPECT_TRUE(port.popups[2].items[0].children[0].checked);
}

TEST_F(ChromeTest, ChosenMenuItemsRunTheirCommands) {
    auto& menus = app.Get<frmMenuForm>();
    port.popupAnswer = 2;  // "个性化设置..."
    form->xt.Click();
    ASSERT_TRUE(app.IsLoaded<Form3>());
    EXPECT_EQ(port.modals, (std::vector<WindowHandle>{app.Find<Form3>()->hWnd()}));
    app.Find<Form3>()->cmdCancel.Click();
    port.popupAnswer = 4;  // "个性化设置" in "功能" (ids count the submenu)
    form->wincom.Click();
    ASSERT_TRUE(app.IsLoaded<Form3>());
    EXPECT_EQ(port.modals.size(), 2u);
    app.Find<Form3>()->cmdCancel.Click();
    EXPECT_TRUE(port.messages.empty());
    port.popupAnswer = 2;  // the "蓝色梦幻" item inside "更换Skins"
    form->wincom.Click();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].text, L"您的外观已经是 蓝色梦幻 请下载别的外观");
    EXPECT_EQ(port.messages[0].caption, L"更换外观");
    EXPECT_EQ(port.messages[0].style, unsigned(MbOk | MbIconError));
    port.popupAnswer = 7;  // "退出..."
    form->xt.Click();
    ASSERT_TRUE(app.IsLoaded<endset01>());
    EXPECT_EQ(port.modals.back(), app.Find<endset01>()->hWnd());
    port.popupAnswer = 1;
    form->xt.Click();
    EXPECT_TRUE(app.IsLoaded<Form4>());
    port.popupAnswer = 3;
    form->xt.Click();
    EXPECT_TRUE(app.IsLoaded<Form2>());
    EXPECT_EQ(port.modals.size(), 5u);
    port.popupAnswer = 0;  // dismissed
    form->help.Click();
    EXPECT_EQ(port.messages.size(), 1u);
    (void)menus;
}

TEST_F(ChromeTest, AlwaysOnTopToggle) {
    port.calls.clear();
    Move(form->Label14);
    EXPECT_EQ(form->zt.Caption(), L"在设置时，把本窗体放在最前面");
    EXPECT_EQ(form->cp.GetPicture(), form->c5.GetPicture());
    form->Label14.MouseDown(kLeft);
    EXPECT_EQ(form->cp.GetPicture(), form->c6.GetPicture());
    Move(form->Label14);  // a pressed picture stays
    EXPECT_EQ(form->cp.GetPicture(), form->c6.GetPicture());
    form->Label14.Click();
    EXPECT_EQ(form->Check1.Value(), 0);
    EXPECT_EQ(form->cp.GetPicture(), form->c1.GetPicture());
    Move(form->Label14);
    EXPECT_EQ(form->cp.GetPicture(), form->c2.GetPicture());
    form->Label14.MouseDown(kLeft);
    EXPECT_EQ(form->cp.GetPicture(), form->c3.GetPicture());
    form->Label14.Click();
    EXPECT_EQ(form->Check1.Value(), 1);
    EXPECT_EQ(form->cp.GetPicture(), form->c4.GetPicture());
    EXPECT_EQ(port.CallsTo(L"SetTopmost"),
              (std::vector<std::wstring>{L"SetTopmost(100,0)", L"SetTopmost(100,1)"}));
    // A value other than 0 or 1 changes nothing.
    form->Check1.SetValue(2);
    form->Label14.Click();
    EXPECT_EQ(form->Check1.Value(), 2);
    EXPECT_EQ(port.CallsTo(L"SetTopmost").back(), L"SetTopmost(100,0)");
}

TEST_F(ChromeTest, OnlyTheDragSurfacesStartTheSystemMoveLoop) {
    for (Control* c : std::initializer_list<Control*>{&form->Image1, &form->Image14, &form->Label13,
                                                      &form->Label8, &form->Label10}) {
        port.calls.clear();
        c->MouseDown(kRight);
        EXPECT_EQ(port.calls, (std::vector<std::wstring>{L"DragWindow(100)"}))
            << c->Name();
    }
    // Pressing on the list or the text beside the add row does not drag.
    port.calls.clear();
    form->List1.MouseDown(kLeft);
    EXPECT_FALSE(form->Label11.MouseDown);
    EXPECT_TRUE(port.CallsTo(L"SendMessage").empty());
}

TEST_F(ChromeTest, CloseHotspotEndButtonAndSystemCloseOpenTheExitChooser) {
    form->Label15.Click();
    ASSERT_TRUE(app.IsLoaded<endset01>());
    EXPECT_EQ(form->Check1.Value(), 0);
    EXPECT_EQ(port.modals.size(), 1u);
    app.Unload<endset01>();
    form->Check1.SetValue(1);
    form->cmdcancelt.Click();
    EXPECT_EQ(form->Check1.Value(), 0);
    EXPECT_EQ(port.modals.size(), 2u);
    app.Unload<endset01>();
    // Alt+F4: the window stays loaded and monitoring goes on.
    EXPECT_FALSE(app.Unload(*form, UnloadMode::FromControlMenu));
    EXPECT_TRUE(app.IsLoaded<Form1>());
    EXPECT_EQ(port.modals.size(), 3u);
    EXPECT_TRUE(form->Timer1.Enabled());
    // The program itself still unloads it (pausing from the tray).
    EXPECT_TRUE(app.Unload(*form));
    EXPECT_FALSE(app.IsLoaded<Form1>());
}

TEST_F(ChromeTest, LoadGivesTheColourAndTheRoundedShape) {
    EXPECT_EQ(form->BackColor(), (Colour{218, 244, 254}));
    EXPECT_GT(form->CornerRadius(), 0);
    EXPECT_TRUE(form->Borderless());
    EXPECT_EQ(form->ClientBounds().width, 4200);
    EXPECT_EQ(form->ClientBounds().height, 6300);
}

}  // namespace
}  // namespace vantrel::testing
