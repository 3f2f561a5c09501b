// The shell's control windows: what each control kind becomes, how its state
// is mirrored (names, styles, fonts, colours, pictures) and what a disabled
// control lets through.
#include "ShellFixture.h"

#include "DebugOutput.h"

#include <stdexcept>

#include "win32/port/Dpi.h"
#include "win32/shell/UiFont.h"

namespace vantrel::test {
namespace {

const Picture kGreen{L"SINGLE"};
constexpr Colour kBack{218, 244, 254};
constexpr Colour kSwatch{200, 30, 30};

class PanelForm : public Form {
public:
    explicit PanelForm(Application& a) : Form(a, L"PanelForm", L"面板", {0, 0, 6000, 3600}) {
        SetBackColor(kBack);
        heading.SetFont(kHeadingFont);
        hotspot.SetAccessibleName(L"关闭");
        swatch.SetOpaque(true);
        swatch.SetBackColor(kSwatch);
        save.SetPicture(&kGreen);
        for (Control* c : std::initializer_list<Control*>{&face, &caption, &hotspot, &swatch, &heading,
                                                          &plain, &plain2, &save, &chooser, &aligned})
            Add(*c);
        save.MouseDown = [this](const MouseArgs&) { ++downs; };
        save.MouseMove = [this](const MouseArgs&) { ++moves; };
        save.MouseUp = [this](const MouseArgs&) { ++ups; };
        save.Click = [this] { ++clicks; };
        // Clickable, so the face has a window, below its caption's.
        face.Click = [] {};
        chooser.KeyDown = [this](int&, int) { ++keyDowns; };
        chooser.KeyUp = [this](int&, int) { ++keyUps; };
        MouseMove = [this](const MouseArgs& args) { formMoves.push_back(args); };
    }
    void Form_QueryUnload(int& cancel, UnloadMode mode) override {
        modes.push_back(mode);
        cancel = refuseClose ? 1 : 0;
    }

    Image face{L"face", {150, 150, 1500, 450}, &kGreen};
    Label caption{L"caption", L"说明", {150, 150, 1500, 450}};
    Label hotspot{L"hotspot", L"", {1800, 150, 900, 450}};
    Label swatch{L"swatch", L"", {3000, 150, 900, 450}};
    Label heading{L"heading", L"标题", {150, 900, 1500, 300}};
    Label plain{L"plain", L"普通", {1800, 900, 1500, 300}};
    Label plain2{L"plain2", L"普通二", {3300, 900, 1500, 300}};
    ImageButton save{L"save", L"保存设置", {150, 1500, 1110, 300}, {150, 1545, 1110, 255}};
    ComboBox chooser{L"chooser", {1500, 1500, 900, 300}};
    Label aligned{L"aligned", L"右", {3000, 1500, 1500, 300}};

    int downs = 0, moves = 0, ups = 0, clicks = 0, keyDowns = 0, keyUps = 0;
    std::vector<MouseArgs> formMoves;
    std::vector<UnloadMode> modes;
    bool refuseClose = false;
};

class LaterForm : public Form {
public:
    explicit LaterForm(Application& a) : Form(a, L"LaterForm", L"后来", {0, 0, 1500, 1500}) {}
};

bool Contains(const std::vector<COLORREF>& pixels, COLORREF colour) {
    return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW lf{};
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(font, sizeof lf, &lf);
    return lf;
}

// A frame over a link label (added first, so it lies below the frame), a
// check box and a list.
class GroupForm : public Form {
public:
    explicit GroupForm(Application& a) : Form(a, L"GroupForm", L"分组", {0, 0, 6000, 3600}) {
        for (Control* c : std::initializer_list<Control*>{&link, &frame, &voice, &list}) Add(*c);
        frame.MouseMove = [this](const MouseArgs& args) { frameMoves.push_back(args); };
        link.MouseMove = [this](const MouseArgs&) { ++linkMoves; };
        MouseMove = [this](const MouseArgs&) { ++formMoves; };
    }
    Label link{L"link", L"网站", {600, 600, 1500, 255}};
    Frame frame{L"frame", L"关于软件", {150, 150, 3000, 1500}};
    CheckBox voice{L"voice", L"启动按键发声功能", {150, 1800, 3000, 300}};
    ListBox list{L"list", {3300, 150, 1500, 1500}};

    std::vector<MouseArgs> frameMoves;
    int linkMoves = 0, formMoves = 0;
};

class ShellControls : public ShellTest {
protected:
    PanelForm& form = Show<PanelForm>();
    HWND hwnd = Hwnd(form);
};

TEST_F(ShellControls, ImageButtonIsAnOwnerDrawnPushButtonNamedByItsCaption) {
    HWND save = Window(form, form.save);
    EXPECT_EQ(win32::WindowText(save), L"保存设置");
    EXPECT_EQ(Style(save) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(Style(save) & WS_TABSTOP);
    wchar_t name[32] = {};
    GetClassNameW(save, name, 32);
    EXPECT_STREQ(name, L"Button");

    form.save.SetCaption(L"另存");
    form.save.SetEnabled(false);
    shell.Sync();
    EXPECT_EQ(win32::WindowText(save), L"另存");
    EXPECT_FALSE(IsWindowEnabled(save));
}

TEST_F(ShellControls, ImageButtonDrawsItsPictureAndABlackCaptionGreyWhenDisabled) {
    HWND save = Window(form, form.save);
    EXPECT_EQ(PixelOf(save, 1, 1), RGB(0, 255, 0));
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    auto pixels = PixelsOf(save);
    EXPECT_TRUE(Contains(pixels, RGB(0, 0, 0)));
    EXPECT_FALSE(Contains(pixels, grey));

    form.save.SetEnabled(false);
    shell.Sync();
    pixels = PixelsOf(save);
    EXPECT_FALSE(Contains(pixels, RGB(0, 0, 0)));
    EXPECT_TRUE(Contains(pixels, grey));
}

TEST_F(ShellControls, LabelAlignmentIsTheStaticStyleAndFollowsChanges) {
    HWND aligned = Window(form, form.aligned);
    EXPECT_EQ(Style(aligned) & SS_TYPEMASK, SS_LEFT);
    form.aligned.SetTextAlign(Alignment::Right);
    shell.Sync();
    EXPECT_EQ(Style(aligned) & SS_TYPEMASK, SS_RIGHT);
    form.aligned.SetTextAlign(Alignment::Center);
    shell.Sync();
    EXPECT_EQ(Style(aligned) & SS_TYPEMASK, SS_CENTER);
}

TEST_F(ShellControls, NamedHotspotIsAnnouncedButDrawsOnlyWhatLiesBelow) {
    HWND hotspot = Window(form, form.hotspot);
    EXPECT_EQ(win32::WindowText(hotspot), L"关闭");
    EXPECT_EQ(Style(hotspot) & SS_TYPEMASK, SS_OWNERDRAW);
    for (COLORREF pixel : PixelsOf(hotspot)) ASSERT_EQ(pixel, Ref(kBack));

    // The same label with a caption shows it.
    form.hotspot.SetCaption(L"关闭");
    shell.Sync();
    EXPECT_EQ(Style(hotspot) & SS_TYPEMASK, SS_LEFT);
    const auto pixels = PixelsOf(hotspot);
    EXPECT_NE(std::count(pixels.begin(), pixels.end(), Ref(kBack)),
              static_cast<std::ptrdiff_t>(pixels.size()));
}

TEST_F(ShellControls, LabelTextTakesItsColourOpaqueLabelItsBackTransparentOneWhatLiesBelow) {
    HWND plain = Window(form, form.plain);
    EXPECT_FALSE(Contains(PixelsOf(plain), Ref(kLinkColour)));
    form.plain.SetForeColor(kLinkColour);
    shell.Sync();
    EXPECT_TRUE(Contains(PixelsOf(plain), Ref(kLinkColour)));

    // A label without text is drawn by the form.
    EXPECT_EQ(Window(form, form.swatch), nullptr);
    EXPECT_EQ(DrawnPixelOf(form, form.swatch, 2, 2), Ref(kSwatch));
    form.swatch.SetOpaque(false);
    shell.Sync();
    EXPECT_EQ(DrawnPixelOf(form, form.swatch, 2, 2), Ref(kBack));
    // A transparent caption over a face shows the face.
    EXPECT_EQ(PixelOf(Window(form, form.caption), 95, 27), RGB(0, 255, 0));
}

TEST_F(ShellControls, LabelFontsFollowFaceSizeAndWeightOneFontForEachLook) {
    const int dpi = win32::WindowDpi(hwnd);
    const LOGFONTW heading = FontOf(Window(form, form.heading));
    EXPECT_EQ(heading.lfWeight, FW_BOLD);
    EXPECT_EQ(heading.lfHeight, -MulDiv(9, dpi, 72));
    EXPECT_EQ(std::wstring(heading.lfFaceName), win32::ResolveFace(L"宋体"));
    const LOGFONTW plain = FontOf(Window(form, form.plain));
    EXPECT_EQ(plain.lfWeight, FW_NORMAL);
    EXPECT_EQ(std::wstring(plain.lfFaceName), win32::UiFace());
    EXPECT_EQ(SendMessageW(Window(form, form.plain), WM_GETFONT, 0, 0),
              SendMessageW(Window(form, form.plain2), WM_GETFONT, 0, 0));

    form.plain.SetFont({L"", 12, true});
    shell.Sync();
    const LOGFONTW bigger = FontOf(Window(form, form.plain));
    EXPECT_EQ(bigger.lfHeight, -MulDiv(12, dpi, 72));
    EXPECT_EQ(bigger.lfWeight, FW_BOLD);
    EXPECT_NE(SendMessageW(Window(form, form.plain), WM_GETFONT, 0, 0),
              SendMessageW(Window(form, form.plain2), WM_GETFONT, 0, 0));
    EXPECT_FALSE(bigger.lfUnderline);

    form.plain2.SetFont(kLinkFont);
    shell.Sync();
    const LOGFONTW link = FontOf(Window(form, form.plain2));
    EXPECT_TRUE(link.lfUnderline);
    EXPECT_EQ(link.lfWeight, FW_NORMAL);
    EXPECT_EQ(std::wstring(link.lfFaceName), win32::ResolveFace(L"宋体"));
}

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool Installed(const std::wstring& face) {
    win32::WindowDc screen(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(screen.Get(), &query, &NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

TEST(Fonts, NamedFacesResolveToAnInstalledFaceKeepingSizeAndWeight) {
    ASSERT_FALSE(win32::UiFace().empty()) << "no Chinese UI face in this prefix";
    EXPECT_TRUE(Installed(win32::UiFace()));
    EXPECT_EQ(win32::ResolveFace(L""), win32::UiFace());
    EXPECT_EQ(win32::ResolveFace(L"Vantrel No Such Face"), win32::UiFace());
    const std::wstring song = win32::ResolveFace(L"宋体");
    EXPECT_TRUE(Installed(song)) << song;
    if (Installed(L"SimSun")) {
        EXPECT_EQ(song, L"SimSun");
    }

    win32::Font font = win32::CreateLabelFont({L"Vantrel No Such Face", 14, true}, 96);
    LOGFONTW lf{};
    ASSERT_TRUE(GetObjectW(font.get(), sizeof lf, &lf));
    EXPECT_EQ(lf.lfHeight, -MulDiv(14, 96, 72));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(std::wstring(lf.lfFaceName), win32::UiFace());
}

TEST_F(ShellControls, TabStopsComeFromTheControlsAndLaterControlsLieOnTop) {
    EXPECT_TRUE(Style(Window(form, form.save)) & WS_TABSTOP);
    EXPECT_TRUE(Style(Window(form, form.chooser)) & WS_TABSTOP);
    EXPECT_FALSE(Style(Window(form, form.caption)) & WS_TABSTOP);
    EXPECT_FALSE(Style(Window(form, form.face)) & WS_TABSTOP);
    // The caption over its face takes the mouse there.
    const RECT face = ClientRectOf(Window(form, form.face));
    const POINT middle{(face.left + face.right) / 2, (face.top + face.bottom) / 2};
    EXPECT_EQ(ChildWindowFromPointEx(hwnd, middle, CWP_SKIPINVISIBLE), Window(form, form.caption));
}

TEST_F(ShellControls, CornerRadiusCutsTheWindowShapeAndZeroRestoresIt) {
    form.SetCornerRadius(90);
    shell.Sync();
    win32::UniqueResource<win32::GdiObjectTraits<HRGN>> shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(hwnd, shape.get()), ERROR);
    RECT window{};
    GetWindowRect(hwnd, &window);
    EXPECT_FALSE(PtInRegion(shape.get(), 0, 0));
    EXPECT_FALSE(PtInRegion(shape.get(), window.right - window.left - 1, 0));
    EXPECT_TRUE(PtInRegion(shape.get(), 6, 0));  // the straight edge past the corner
    EXPECT_TRUE(PtInRegion(shape.get(), (window.right - window.left) / 2, (window.bottom - window.top) / 2));

    form.SetCornerRadius(0);
    shell.Sync();
    EXPECT_EQ(GetWindowRgn(hwnd, shape.get()), ERROR);
}

TEST_F(ShellControls, NewDpiRemakesFontsSizesAndShape) {
    form.SetCornerRadius(90);
    shell.Sync();
    RECT before{};
    GetWindowRect(hwnd, &before);
    const int dpi = win32::WindowDpi(hwnd);
    const int newDpi = dpi * 3 / 2;
    SIZE size{};
    SendMessageW(hwnd, WM_GETDPISCALEDSIZE, newDpi, reinterpret_cast<LPARAM>(&size));
    RECT suggested{before.left, before.top, before.left + size.cx, before.top + size.cy};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));

    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, win32::TwipsToPixels(6000, newDpi));
    EXPECT_EQ(client.bottom, win32::TwipsToPixels(3600, newDpi));
    RECT after{};
    GetWindowRect(hwnd, &after);
    EXPECT_EQ(FontOf(Window(form, form.heading)).lfHeight, -MulDiv(9, newDpi, 72));
    EXPECT_EQ(FontOf(Window(form, form.plain)).lfHeight, -MulDiv(9, newDpi, 72));
    EXPECT_EQ(ClientRectOf(Window(form, form.save)).left, win32::TwipsToPixels(150, newDpi));
    // The shape is cut again for the new size.
    win32::UniqueResource<win32::GdiObjectTraits<HRGN>> shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(hwnd, shape.get()), ERROR);
    const int width = after.right - after.left;
    EXPECT_FALSE(PtInRegion(shape.get(), width - 1, 0));
    EXPECT_TRUE(PtInRegion(shape.get(), width - 1, (after.bottom - after.top) / 2));
}

TEST_F(ShellControls, FirstShowCentresTheWindowOnTheWorkArea) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor));
    RECT window{};
    GetWindowRect(hwnd, &window);
    const RECT& work = monitor.rcWork;
    EXPECT_NEAR(window.left - work.left, work.right - window.right, 1);
    EXPECT_NEAR(window.top - work.top, work.bottom - window.bottom, 1);
}

TEST_F(ShellControls, OutOfTheTaskListTheWindowsHaveAHiddenOwner) {
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
    app.SetTaskVisible(false);
    HWND owner = GetWindow(hwnd, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(win32::WindowText(owner), L"");
    EXPECT_TRUE(IsWindowVisible(hwnd));
    // Forms loaded afterwards are owned from the start.
    EXPECT_EQ(GetWindow(Hwnd(app.Get<LaterForm>()), GW_OWNER), owner);

    app.SetTaskVisible(true);
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_EQ(GetWindow(Hwnd(app.Get<LaterForm>()), GW_OWNER), nullptr);
}

TEST_F(ShellControls, CloseBoxAsksTheFormWhichMayRefuseAndACloseFromOutsideEndsInstead) {
    int endRequests = 0;
    shell.SetEndRequest([&](win32::EndCause) { ++endRequests; });
    // A WM_CLOSE from outside (taskkill) is no user's close: the program is
    // asked to end, and no window goes behind its back.
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(endRequests, 1);
    EXPECT_TRUE(form.modes.empty());
    EXPECT_TRUE(IsWindow(hwnd));

    // The close box and Alt+F4 arrive as SC_CLOSE.
    form.refuseClose = true;
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_EQ(form.modes, std::vector<UnloadMode>{UnloadMode::FromControlMenu});
    EXPECT_TRUE(app.IsLoaded<PanelForm>());
    EXPECT_TRUE(IsWindow(hwnd));

    form.refuseClose = false;
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(app.IsLoaded<PanelForm>());
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(endRequests, 1);
}

TEST_F(ShellControls, DisabledControlRaisesNoMouseEvents) {
    HWND save = Window(form, form.save);
    auto press = [save] {
        SendMessageW(save, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        SendMessageW(save, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(save, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        SendMessageW(save, BM_CLICK, 0, 0);
    };
    form.save.SetEnabled(false);
    shell.Sync();
    press();
    EXPECT_EQ(form.moves + form.downs + form.ups + form.clicks, 0);
    EXPECT_EQ(GetCapture(), nullptr);

    form.save.SetEnabled(true);
    shell.Sync();
    press();
    EXPECT_EQ(form.moves, 1);
    EXPECT_EQ(form.downs, 2);  // the press and the programmatic click
    EXPECT_EQ(form.ups, 2);
    EXPECT_EQ(form.clicks, 2);
}

TEST_F(ShellControls, FailingHandlerStopsAtTheShellTracedAndItsChangesStillShow) {
    DebugOutput traced;
    form.save.Click = [this] {
        form.caption.SetCaption(L"已改");
        throw std::runtime_error("handler failed");
    };
    SendMessageW(Window(form, form.save), BM_CLICK, 0, 0);
    EXPECT_EQ(win32::WindowText(Window(form, form.caption)), L"已改");
    EXPECT_NE(traced.Text().find(L"Vantrel: event handler: handler failed"), std::wstring::npos)
        << traced.Text();
    // The window still answers.
    SendMessageW(Window(form, form.save), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(Window(form, form.save), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(form.downs, 2);
}

TEST_F(ShellControls, MouseOverTheFormRaisesItsMouseMoveInTwips) {
    const int dpi = win32::WindowDpi(hwnd);
    // The real pointer may move over the form too; the sent move is the last.
    SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 16));
    ASSERT_FALSE(form.formMoves.empty());
    const MouseArgs& sent = form.formMoves.back();
    EXPECT_FLOAT_EQ(sent.x, 30.0f * 1440 / dpi);
    EXPECT_FLOAT_EQ(sent.y, 16.0f * 1440 / dpi);
    EXPECT_EQ(sent.button, 1);
}

TEST_F(ShellControls, MouseInAChoosersEditIsNoKey) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(Window(form, form.chooser), &info));
    SendMessageW(info.hwndItem, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageW(info.hwndItem, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(info.hwndItem, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    Settle(50);
    EXPECT_EQ(form.keyDowns, 0);
    EXPECT_EQ(form.keyUps, 0);
}

}  // namespace
}  // namespace vantrel::test

namespace vantrel::test {
namespace {

class ShellGroups : public ShellTest {
protected:
    GroupForm& form = Show<GroupForm>();
    HWND hwnd = Hwnd(form);

    // A move at a point of the form's client area, delivered as the system
    // delivers it: to the window its hit test names, in that window's coordinates.
    HWND MoveTo(POINT at) {
        ClientToScreen(hwnd, &at);
        HWND target = WindowFromPoint(at);
        ScreenToClient(target, &at);
        SendMessageW(target, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        return target;
    }
};

TEST_F(ShellGroups, FrameTakesNoMouseButPassesTheFormsMovesOverItToItsHandler) {
    const RECT frame = ClientRectOf(Window(form, form.frame));
    const RECT link = ClientRectOf(Window(form, form.link));
    EXPECT_EQ(MoveTo({(link.left + link.right) / 2, (link.top + link.bottom) / 2}), Window(form, form.link));
    EXPECT_EQ(form.linkMoves, 1);

    const POINT inside{frame.left + 20, frame.bottom - 12};
    EXPECT_EQ(MoveTo(inside), hwnd);
    ASSERT_EQ(form.frameMoves.size(), 1u);
    EXPECT_EQ(form.formMoves, 0);
    const int dpi = win32::WindowDpi(hwnd);
    // In the frame's own coordinates.
    EXPECT_NEAR(form.frameMoves[0].x, 20.0f * 1440 / dpi, 1.0f * 1440 / dpi);
    EXPECT_NEAR(form.frameMoves[0].y, static_cast<float>(frame.bottom - frame.top - 12) * 1440 / dpi,
                1.0f * 1440 / dpi);

    EXPECT_EQ(MoveTo({frame.right + 5, frame.bottom + 5}), hwnd);
    EXPECT_EQ(form.formMoves, 1);
    EXPECT_EQ(form.frameMoves.size(), 1u);
}

TEST_F(ShellGroups, GrayedCheckBoxShowsGrayedAndAClickChecksIt) {
    HWND box = Window(form, form.voice);
    form.voice.SetValue(2);
    shell.Sync();
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    std::vector<int> values;
    for (int click = 0; click < 3; ++click) {
        SendMessageW(box, BM_CLICK, 0, 0);
        Pump();
        values.push_back(form.voice.Value());
        EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), values.back() == 1 ? BST_CHECKED : BST_UNCHECKED);
    }
    EXPECT_EQ(values, (std::vector<int>{1, 0, 1}));
}

TEST_F(ShellGroups, ListScrollsSidewaysWhileALineIsWiderThanIt) {
    HWND list = Window(form, form.list);
    RECT client{};
    GetClientRect(list, &client);
    form.list.AddItem(L"F5   C:\\短.txt");
    shell.Sync();
    EXPECT_LT(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), client.right);

    form.list.AddItem(L"F6   C:\\Program Files\\一个很长的文件夹名字\\又一个很长的文件夹名字\\程序.exe");
    shell.Sync();
    EXPECT_GT(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), 2 * client.right);
    SendMessageW(list, WM_HSCROLL, SB_PAGERIGHT, 0);
    EXPECT_GT(GetScrollPos(list, SB_HORZ), 0);

    form.list.RemoveItem(1);
    shell.Sync();
    EXPECT_LT(SendMessageW(list, LB_GETHORIZONTALEXTENT, 0, 0), client.right);
}

}  // namespace
}  // namespace vantrel::test
