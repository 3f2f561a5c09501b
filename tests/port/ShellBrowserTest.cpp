// The web browser control hosted in a form: created in place in its
// container, kept to its size, handed the form's commands.
#include "ShellFixture.h"

#include "win32/port/Dpi.h"
#include "win32/shell/BrowserSite.h"

namespace vantrel::test {
namespace {

class BrowserForm : public Form {
public:
    explicit BrowserForm(Application& a) : Form(a, L"BrowserForm", L"浏览器", {0, 0, 6000, 4500}) {
        SetBorderless(true);
        Add(browser);
        Add(close);
    }
    WebBrowser browser{L"browser", {0, 0, 6000, 3600}};
    CommandButton close{L"close", L"关闭 (&C)", {4500, 3900, 1200, 375}};
};

std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, [](HWND w, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&all));
    return all;
}

class ShellBrowser : public ShellTest {
protected:
    BrowserForm& form = Show<BrowserForm>();
    HWND container = Window(form, form.browser);
};

std::wstring ClassOf(HWND w) {
    wchar_t name[64] = {};
    GetClassNameW(w, name, 64);
    return name;
}

// The first window of that class inside `parent`, or nullptr.
HWND Inside(HWND parent, const std::wstring& className) {
    for (HWND w : Descendants(parent))
        if (ClassOf(w) == className) return w;
    return nullptr;
}

bool SameRect(HWND a, HWND b) {
    RECT ra{}, rb{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return EqualRect(&ra, &rb) != FALSE;
}

TEST_F(ShellBrowser, BrowserIsActivatedInPlaceFillingItsContainer) {
    HWND embedding = Inside(container, L"Shell Embedding");
    ASSERT_NE(embedding, nullptr);
    EXPECT_TRUE(IsWindowVisible(embedding));
    EXPECT_TRUE(SameRect(embedding, container));
    EXPECT_FALSE(Style(container) & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongPtrW(container, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

TEST_F(ShellBrowser, QueuedCommandsReachTheBrowser) {
    ASSERT_EQ(Inside(container, L"Shell DocObject View"), nullptr);
    form.browser.Navigate(L"about:blank");
    form.browser.Stop();
    form.browser.Refresh();
    shell.Sync();
    Settle(300);
    // The document view appears once the browser navigates.
    EXPECT_NE(Inside(container, L"Shell DocObject View"), nullptr);
    EXPECT_TRUE(form.browser.TakePending().empty());
    EXPECT_EQ(form.browser.History().size(), 3u);
}

TEST_F(ShellBrowser, BrowserFollowsItsContainerToANewDpiAndGoesWithTheForm) {
    HWND embedding = Inside(container, L"Shell Embedding");
    ASSERT_NE(embedding, nullptr);
    const int newDpi = win32::WindowDpi(Hwnd(form)) * 3 / 2;
    RECT suggested{};
    GetWindowRect(Hwnd(form), &suggested);
    SendMessageW(Hwnd(form), WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(ClientRectOf(container).right, win32::TwipsToPixels(6000, newDpi));
    EXPECT_TRUE(SameRect(embedding, container));

    app.Unload(form);
    Settle(100);
    EXPECT_FALSE(IsWindow(container));
    EXPECT_FALSE(IsWindow(embedding));
}

TEST_F(ShellBrowser, SiteLivesWhileTheBrowserHoldsItAndLeavesTheContainerAloneOnceLetGo) {
    win32::BrowserSite* site = win32::BrowserSite::Create(container);  // the host's reference
    IOleInPlaceSite* held = nullptr;                                      // the browser's
    ASSERT_EQ(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&held)), S_OK);
    HWND window = nullptr;
    EXPECT_EQ(held->GetWindow(&window), S_OK);
    EXPECT_EQ(window, container);
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = nullptr;
    RECT position{}, clip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof info;
    ASSERT_EQ(held->GetWindowContext(&frame, &document, &position, &clip, &info), S_OK);
    EXPECT_EQ(frame->Release(), 2u);

    // The host lets go first; the browser's calls still find a live object.
    site->Detach();
    EXPECT_EQ(site->Release(), 1u);
    EXPECT_EQ(held->GetWindow(&window), E_FAIL);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(held->GetWindowContext(&frame, &document, &position, &clip, &info), E_FAIL);
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(held->CanInPlaceActivate(), S_FALSE);
    EXPECT_EQ(held->Release(), 0u);  // the last reference frees it
}

}  // namespace
}  // namespace vantrel::test
