// A window moved to a monitor of another DPI: the metrics, frames and system
// fonts at a given DPI (and their fallbacks for systems without the per-DPI
// functions), and a form's window laid out again when WM_DPICHANGED comes.
#include "ShellFixture.h"

#include "win32/port/Dpi.h"
#include "win32/port/DpiMetrics.h"

namespace vantrel::test {
namespace {

using win32::TwipsToPixels;

constexpr int kDpis[] = {96, 120, 144, 192};

// The fallbacks are what older systems run; here they are held against
// Wine's own per-DPI functions.
TEST(DpiMetrics, FallbackScalingAgreesWithTheSystemsPerDpiMetrics) {
    ASSERT_EQ(win32::SystemDpi(), 96) << "these figures assume a 96-DPI test prefix";
    for (int metric : {SM_CXSMICON, SM_CYSMICON, SM_CXICON, SM_CXVSCROLL, SM_CYHSCROLL, SM_CYEDGE,
                       SM_CYFIXEDFRAME, SM_CYCAPTION}) {
        for (int dpi : kDpis) {
            EXPECT_EQ(win32::scaled::Metric(metric, dpi), win32::MetricForDpi(metric, dpi))
                << "metric " << metric << " at " << dpi << " DPI";
        }
    }
    EXPECT_EQ(win32::MetricForDpi(SM_CXSMICON, 192), 2 * GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(win32::MetricForDpi(SM_CXICON, 144), GetSystemMetrics(SM_CXICON) * 3 / 2);
}

TEST(DpiMetrics, CaptionedFrameGrowsWithTheDpiAsTheSystemsDoes) {
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    for (int dpi : kDpis) {
        RECT system{0, 0, 300, 200}, fallback = system;
        win32::FrameForDpi(system, kStyle, WS_EX_CONTROLPARENT, dpi);
        win32::scaled::Frame(fallback, kStyle, WS_EX_CONTROLPARENT, dpi);
        EXPECT_EQ(system.top, fallback.top) << dpi;
        EXPECT_EQ(system.left, fallback.left) << dpi;
        EXPECT_EQ(system.right, fallback.right) << dpi;
        EXPECT_EQ(system.bottom, fallback.bottom) << dpi;
    }
    RECT at96{0, 0, 300, 200}, at192 = at96;
    win32::FrameForDpi(at96, kStyle, 0, 96);
    win32::FrameForDpi(at192, kStyle, 0, 192);
    EXPECT_EQ(at192.left, at96.left);  // a fixed frame keeps its width
    EXPECT_EQ(at96.top - at192.top,
              win32::MetricForDpi(SM_CYCAPTION, 192) - win32::MetricForDpi(SM_CYCAPTION, 96));
    // Borderless: the window is its client area at any DPI.
    RECT popup{0, 0, 300, 200};
    win32::FrameForDpi(popup, WS_POPUP, 0, 192);
    EXPECT_EQ(popup.right - popup.left, 300);
    EXPECT_EQ(popup.bottom - popup.top, 200);
}

TEST(DpiMetrics, SystemFontsAtADpiScaleWithIt) {
    NONCLIENTMETRICSW at96{}, at192{}, fallback{};
    ASSERT_TRUE(win32::NonClientMetricsForDpi(at96, 96));
    ASSERT_TRUE(win32::NonClientMetricsForDpi(at192, 192));
    ASSERT_TRUE(win32::scaled::NonClientMetrics(fallback, 192));
    ASSERT_NE(at96.lfStatusFont.lfHeight, 0);
    EXPECT_EQ(at192.lfStatusFont.lfHeight, 2 * at96.lfStatusFont.lfHeight);
    EXPECT_EQ(at192.lfMessageFont.lfHeight, 2 * at96.lfMessageFont.lfHeight);
    EXPECT_EQ(fallback.lfStatusFont.lfHeight, at192.lfStatusFont.lfHeight);
    EXPECT_EQ(fallback.lfMenuFont.lfHeight, at192.lfMenuFont.lfHeight);
    EXPECT_EQ(fallback.iCaptionHeight, at192.iCaptionHeight);
    EXPECT_EQ(fallback.iScrollWidth, at192.iScrollWidth);
}

const Picture kSample{L"SAMPLE"};  // 4 x 2 red; SAMPLE_2X 8 x 4 blue

class DpiForm : public Form {
public:
    explicit DpiForm(Application& a) : Form(a, L"DpiForm", L"换屏", {0, 0, 4500, 3000}) {
        SetBorderless(true);
        SetCornerRadius(90);
        heading.SetFont(kHeadingFont);
        heading.SetToolTipText(L"提示");
        for (Control* c : std::initializer_list<Control*>{&picture, &heading, &chooser}) Add(*c);
        MouseMove = [this](const MouseArgs& args) { moves.push_back(args); };
    }

    // 60 x 30 twips: the picture's own 4 x 2 pixels at 96 DPI.
    Image picture{L"picture", {300, 300, 60, 30}, &kSample};
    Label heading{L"heading", L"标题", {600, 750, 1500, 300}};
    ComboBox chooser{L"chooser", {600, 1500, 1200, 315}};
    std::vector<MouseArgs> moves;
};

LONG FontHeight(HFONT font) {
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    return lf.lfHeight;
}

LONG ControlFontHeight(HWND control) {
    return FontHeight(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
}

int IconWidth(HWND hwnd, WPARAM which) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

HWND ToolTipOf(HWND form) {
    struct Search {
        HWND owner, found;
    } search{form, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t name[64]{};
            GetClassNameW(hwnd, name, 64);
            if (GetWindow(hwnd, GW_OWNER) != s->owner || std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class ShellDpi : public ShellTest {
protected:
    ShellDpi() : form(Show<DpiForm>()), hwnd(Hwnd(form)), dpi(win32::WindowDpi(hwnd)) {}

    // What Windows does when the window crosses to a monitor of `newDpi`:
    // asks the window for its size there, then suggests a rectangle of that
    // size where the window now is.
    RECT MoveToDpi(int newDpi, POINT to) {
        SIZE size{};
        EXPECT_TRUE(SendMessageW(hwnd, WM_GETDPISCALEDSIZE, newDpi, reinterpret_cast<LPARAM>(&size)));
        RECT suggested{to.x, to.y, to.x + size.cx, to.y + size.cy};
        SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));
        Settle();
        return suggested;
    }

    DpiForm& form;
    HWND hwnd;
    int dpi;
};

TEST_F(ShellDpi, TwiceTheDpiDoublesTheLayoutAndTakesTheSuggestedPlace) {
    ASSERT_EQ(dpi, 96);
    const RECT suggested = MoveToDpi(192, {40, 30});
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(window.left, suggested.left);
    EXPECT_EQ(window.top, suggested.top);
    EXPECT_EQ(window.right, suggested.right);
    EXPECT_EQ(window.bottom, suggested.bottom);
    // Borderless: the client area is the layout's, 4500 x 3000 twips at 192 DPI.
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 400);
    const RECT label = ClientRectOf(Window(form, form.heading));
    EXPECT_EQ(label.left, 80);
    EXPECT_EQ(label.top, 100);
    EXPECT_EQ(label.right - label.left, 200);
    EXPECT_EQ(label.bottom - label.top, 40);
    EXPECT_EQ(ControlFontHeight(Window(form, form.heading)), -24);  // 9 points at 192 DPI
    // The mouse is read back in twips at the new DPI.
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(300, 200));
    ASSERT_FALSE(form.moves.empty());
    EXPECT_FLOAT_EQ(form.moves.back().x, 2250);
    EXPECT_FLOAT_EQ(form.moves.back().y, 1500);
}

TEST_F(ShellDpi, ChooserListIconsAndTooltipAreRemadeForTheNewDpi) {
    const HWND chooser = Window(form, form.chooser);
    const RECT before = ClientRectOf(chooser);
    MoveToDpi(dpi * 2, {0, 0});
    // The chooser's list, dropped, still shows eleven items of the new font.
    const auto item = static_cast<int>(SendMessageW(chooser, CB_GETITEMHEIGHT, 0, 0));
    RECT dropped{};
    SendMessageW(chooser, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.right - dropped.left, TwipsToPixels(1200, dpi * 2));
    constexpr int kVisibleChoices = 11;
    EXPECT_GE(dropped.bottom - dropped.top, kVisibleChoices * item);
    EXPECT_LT(dropped.bottom - dropped.top, (kVisibleChoices + 2) * item);
    EXPECT_EQ(ClientRectOf(chooser).left, 2 * before.left);
    EXPECT_EQ(ControlFontHeight(chooser), -MulDiv(9, dpi * 2, 72));

    EXPECT_EQ(IconWidth(hwnd, ICON_SMALL), win32::MetricForDpi(SM_CXSMICON, dpi * 2));
    EXPECT_EQ(IconWidth(hwnd, ICON_BIG), win32::MetricForDpi(SM_CXICON, dpi * 2));

    const HWND tip = ToolTipOf(hwnd);
    ASSERT_NE(tip, nullptr);
    NONCLIENTMETRICSW metrics{};
    ASSERT_TRUE(win32::NonClientMetricsForDpi(metrics, dpi * 2));
    EXPECT_EQ(ControlFontHeight(tip), metrics.lfStatusFont.lfHeight);
}

TEST_F(ShellDpi, PicturesAndShapeFollowTheNewSize) {
    // A picture the form draws itself.
    ASSERT_EQ(Window(form, form.picture), nullptr);
    EXPECT_EQ(DrawnPixelOf(form, form.picture, 2, 1), RGB(255, 0, 0));
    MoveToDpi(dpi * 3 / 2, {10, 10});
    // 6 x 3 pixels now: drawn from the double-size picture.
    EXPECT_EQ(DrawnPixelOf(form, form.picture, 3, 1, dpi * 3 / 2), RGB(0, 0, 255));
    EXPECT_NE(DrawnPixelOf(form, form.picture, 6, 1, dpi * 3 / 2), RGB(0, 0, 255));
    // The rounded corners are cut for the new size: 90 twips of radius.
    win32::UniqueResource<win32::GdiObjectTraits<HRGN>> shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(hwnd, shape.get()), ERROR);
    RECT window{};
    GetWindowRect(hwnd, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    EXPECT_EQ(width, TwipsToPixels(4500, dpi * 3 / 2));
    EXPECT_FALSE(PtInRegion(shape.get(), width - 1, 0));
    EXPECT_TRUE(PtInRegion(shape.get(), width - 1, height / 2));
    EXPECT_TRUE(PtInRegion(shape.get(), width / 2, height - 1));
}

// 20000 twips: taller than the test screen at any DPI.
class TallForm : public Form {
public:
    explicit TallForm(Application& a) : Form(a, L"TallForm", L"很高", {0, 0, 9000, 20000}) {}
};

class ShellDpiPlacement : public ShellTest {};

TEST_F(ShellDpiPlacement, AWindowLargerThanTheWorkAreaKeepsItsCaptionOnTheScreen) {
    const HWND hwnd = Hwnd(Show<TallForm>());
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor));
    RECT window{};
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(window.top, monitor.rcWork.top);
    EXPECT_GE(window.left, monitor.rcWork.left);
}

}  // namespace
}  // namespace vantrel::test
