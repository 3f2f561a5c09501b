// Controls the form draws itself: a picture or a rule that needs no window
// has none, shows on the form, repaints when it changes, and takes the
// mouse as its window would have.
#include "ShellFixture.h"

namespace vantrel::test {
namespace {

const Picture kGreen{L"SINGLE"};
const Picture kBlue{L"SAMPLE"};  // red 4 x 2, drawn this large from its blue SAMPLE_2X
constexpr Colour kBack{218, 244, 254};
constexpr Colour kRule{30, 60, 200};

class SkinForm : public Form {
public:
    explicit SkinForm(Application& a) : Form(a, L"SkinForm", L"皮肤", {0, 0, 4500, 1500}) {
        SetBackColor(kBack);
        rule.SetOpaque(true);
        rule.SetBackColor(kRule);
        base.Click = [] {};
        strip.MouseDown = [this](const MouseArgs& args) { downs.push_back(args); };
        strip.MouseMove = [this](const MouseArgs& args) { moves.push_back(args); };
        strip.MouseUp = [this](const MouseArgs& args) { ups.push_back(args); };
        MouseMove = [this](const MouseArgs&) { ++formMoves; };
        note.SetForeColor(kRule);
        for (Control* c : std::initializer_list<Control*>{&base, &badge, &strip, &caption, &rule, &note}) Add(*c);
    }
    // 15 twips to the pixel at 96 DPI.
    Image base{L"base", {150, 150, 900, 450}, &kGreen};       // clickable: a window
    Image badge{L"badge", {600, 300, 600, 300}, &kBlue};       // over a window: a window
    Image strip{L"strip", {1500, 150, 1500, 450}, &kGreen};   // drawn: 100,10 to 200,40
    Label caption{L"caption", L"说明", {1650, 225, 900, 255}};  // text: a window
    Label rule{L"rule", L"", {150, 900, 3000, 30}};           // drawn
    Label note{L"note", L"", {150, 1050, 1500, 300}};         // drawn, given text later

    std::vector<MouseArgs> downs, moves, ups;
    int formMoves = 0;
};

class ShellDrawn : public ShellTest {
protected:
    SkinForm& form = Show<SkinForm>();
    HWND hwnd = Hwnd(form);

    // A pixel of the form as last painted, with nothing invalidated first.
    COLORREF Painted(const Control& control, int x, int y) {
        UpdateWindow(hwnd);
        win32::WindowDc dc(hwnd);
        return GetPixel(dc.Get(), win32::TwipsToPixels(control.Bounds().left, 96) + x,
                        win32::TwipsToPixels(control.Bounds().top, 96) + y);
    }
};

TEST_F(ShellDrawn, PicturesAndRulesThatNeedNoWindowAreDrawnByTheFormAndRepaintWhenTheyChange) {
    ASSERT_EQ(win32::WindowDpi(hwnd), 96);
    EXPECT_NE(Window(form, form.base), nullptr);
    EXPECT_NE(Window(form, form.badge), nullptr);
    EXPECT_NE(Window(form, form.caption), nullptr);
    EXPECT_EQ(Window(form, form.strip), nullptr);
    EXPECT_EQ(Window(form, form.rule), nullptr);

    EXPECT_EQ(DrawnPixelOf(form, form.strip, 2, 2), RGB(0, 255, 0));
    EXPECT_EQ(DrawnPixelOf(form, form.rule, 5, 1), Ref(kRule));
    // The caption's window shows the drawn picture below it, past its text.
    EXPECT_EQ(PixelOf(Window(form, form.caption), 55, 2), RGB(0, 255, 0));

    // A picture of the window (PrintWindow) has them too.
    {
        win32::WindowDc screen(hwnd);
        win32::MemoryDc print(screen.Get());
        win32::Bitmap canvas(CreateCompatibleBitmap(screen.Get(), 300, 100));
        win32::Selection select(print.Get(), canvas.get());
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(print.Get()), PRF_CLIENT | PRF_ERASEBKGND);
        EXPECT_EQ(GetPixel(print.Get(), 102, 12), RGB(0, 255, 0));
        EXPECT_EQ(GetPixel(print.Get(), 15, 61), Ref(kRule));
        EXPECT_EQ(GetPixel(print.Get(), 5, 50), Ref(kBack));
    }

    // Changes show with the paint they cause, nothing else invalidated.
    form.strip.SetPicture(&kBlue);
    form.rule.SetVisible(false);
    shell.Sync();
    EXPECT_EQ(Painted(form.strip, 2, 2), RGB(0, 0, 255));
    EXPECT_EQ(Painted(form.rule, 5, 1), Ref(kBack));

    // A drawn label given text later shows it.
    const auto inkOf = [&] {
        int ink = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 100; ++x) ink += Painted(form.note, x, y) != Ref(kBack);
        return ink;
    };
    EXPECT_EQ(inkOf(), 0);
    form.note.SetCaption(L"说明");
    shell.Sync();
    EXPECT_GT(inkOf(), 10);
}

TEST_F(ShellDrawn, DrawnPictureTakesTheMouseAsItsWindowWouldHoldingItFromThePressToTheRelease) {
    const int formMoves = form.formMoves;
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(105, 12));
    ASSERT_EQ(form.moves.size(), 1u);
    EXPECT_FLOAT_EQ(form.moves[0].x, 5.0f * 15);
    EXPECT_FLOAT_EQ(form.moves[0].y, 2.0f * 15);
    EXPECT_EQ(form.formMoves, formMoves);

    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(105, 12));
    ASSERT_EQ(form.downs.size(), 1u);
    EXPECT_EQ(form.downs[0].button, 1);
    EXPECT_EQ(GetCapture(), hwnd);
    // Held: the picture has the moves off it too, in its coordinates.
    SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(250, 80));
    ASSERT_EQ(form.moves.size(), 2u);
    EXPECT_FLOAT_EQ(form.moves[1].x, 150.0f * 15);
    EXPECT_EQ(form.moves[1].button, 1);
    EXPECT_EQ(form.formMoves, formMoves);
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(250, 80));
    ASSERT_EQ(form.ups.size(), 1u);
    EXPECT_NE(GetCapture(), hwnd);

    // Released, a move off the picture is the form's.
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(250, 80));
    EXPECT_EQ(form.moves.size(), 2u);
    EXPECT_EQ(form.formMoves, formMoves + 1);
}

}  // namespace
}  // namespace vantrel::test
