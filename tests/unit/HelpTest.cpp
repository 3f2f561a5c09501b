// The help and web commands of the menus, the built-in browser window and
// the About window.
#include "fake/Fixture.h"
#include "ui/help/Form5.h"
#include "ui/help/GY.h"
#include "ui/tray/frmMenuForm.h"

namespace vantrel::testing {
namespace {

class HelpTest : public AppTest {
protected:
    Form1* main = nullptr;
    frmMenuForm* menus = nullptr;
    void SetUp() override {
        port.PutText(L"\\Function.dll", L"无\r\n");
        main = &Start();
        menus = app.Find<frmMenuForm>();
    }
    std::wstring Shell(WindowHandle owner, const std::wstring& file) {
        return L"ShellExecute(" + std::to_wstring(owner) + L",Open," + file + L",,C:\\Vantrel,1)";
    }
    std::vector<std::wstring> Navigations(Form5& f) {
        std::vector<std::wstring> urls;
        for (auto& r : f.WebBrowser1.History())
            urls.push_back(r.command == WebBrowser::Command::Navigate ? r.url : L"(other)");
        return urls;
    }
};

TEST_F(HelpTest, HelpOpensTheClassicFileWhereItWorksElseTheHtmlHelp) {
    menus->h2.Click();  // no Vantrel.hlp
    EXPECT_TRUE(port.CallsTo(L"ShowHelp").empty());
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(), Shell(menus->hWnd(), L"C:\\Vantrel\\help\\index.htm"));

    port.PutFile(L"\\Vantrel.hlp", "?_");
    port.calls.clear();
    menus->h2.Click();
    EXPECT_EQ(port.CallsTo(L"ShowHelp"),
              (std::vector<std::wstring>{L"ShowHelp(" + std::to_wstring(menus->hWnd()) +
                                         L",C:\\Vantrel\\Vantrel.hlp,3)"}));
    EXPECT_TRUE(port.CallsTo(L"ShellExecute").empty());

    port.helpAnswer = false;  // a system without a viewer for it
    menus->h2.Click();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(), Shell(menus->hWnd(), L"C:\\Vantrel\\help\\index.htm"));
}

TEST_F(HelpTest, VendorSiteOpensInTheDefaultBrowser) {
    menus->down3.Click();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(),
              Shell(menus->hWnd(), L"http://www.talvorin.com/talvorin"));
}

TEST_F(HelpTest, MessagePageOpensOneBrowserWindowWithTheLoadingPageFirst) {
    menus->brjxx1.Click();
    ASSERT_TRUE(app.IsLoaded<Form5>());
    Form5& f = *app.Find<Form5>();
    EXPECT_EQ(Navigations(f), (std::vector<std::wstring>{L"C:\\Vantrel\\help\\loading.htm",
                                                         L"http://www.talvorin.com/talvorin"}));
    EXPECT_EQ(f.Caption(), L"本软件消息");
    EXPECT_TRUE(f.Visible());
    EXPECT_TRUE(port.modals.empty());
    menus->brjxx1.Click();
    EXPECT_EQ(app.Find<Form5>(), &f);
    EXPECT_EQ(Navigations(f).size(), 4u);

    f.Command2.Click();
    f.Command5.Click();
    f.Command3.Click();
    f.Command4.Click();
    f.Label1.Click();
    const auto& h = f.WebBrowser1.History();
    ASSERT_EQ(h.size(), 9u);
    EXPECT_EQ(h[4].command, WebBrowser::Command::GoBack);
    EXPECT_EQ(h[5].command, WebBrowser::Command::GoForward);
    EXPECT_EQ(h[6].command, WebBrowser::Command::Stop);
    EXPECT_EQ(h[7].command, WebBrowser::Command::Refresh);
    EXPECT_EQ(h[8].url, L"http://www.talvorin.com/Talvorin");
    EXPECT_EQ(f.WebBrowser1.TakePending().size(), 9u);
    EXPECT_TRUE(f.WebBrowser1.TakePending().empty());
    f.Command1.Click();
    EXPECT_FALSE(app.IsLoaded<Form5>());
}

TEST_F(HelpTest, AboutShowsTheVersionAndItsLinksAct) {
    menus->abou1.Click();
    ASSERT_TRUE(app.IsLoaded<GY>());
    GY& gy = *app.Find<GY>();
    EXPECT_EQ(port.modals, (std::vector<WindowHandle>{gy.hWnd()}));
    EXPECT_EQ(gy.Caption(), L"关于Vantrel");
    EXPECT_EQ(gy.Label5.Caption(), L"V2.0.4 Professional");
    gy.L1.Click();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(), Shell(gy.hWnd(), L"http://www.talvorin.com/Talvorin"));
    gy.Label11.Click();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(), Shell(gy.hWnd(), L"mailto:support@talvorin.com"));
    gy.Label16.Click();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(), Shell(gy.hWnd(), L"http://www.talvorin.com/Talvorin"));
    gy.Label15.Click();
    ASSERT_TRUE(app.IsLoaded<Form5>());
    EXPECT_EQ(app.Find<Form5>()->Caption(), L"检查是否有新版本");
    EXPECT_EQ(Navigations(*app.Find<Form5>()).back(),
              L"http://www.talvorin.com/Talvorin/download.asp?name=2");
    gy.Label17.Click();
    EXPECT_EQ(app.Find<Form5>()->Caption(), L"本软件消息");
    EXPECT_EQ(Navigations(*app.Find<Form5>()).back(), L"http://www.talvorin.com/Talvorin");
}

TEST_F(HelpTest, AboutFeedbackAndCloseGivesTheMainWindowBack) {
    GY& gy = app.Get<GY>();
    gy.L1.MouseMove(MouseArgs{});
    EXPECT_EQ(gy.L1.ForeColor(), (Colour{255, 0, 0}));
    gy.Frame2.MouseMove(MouseArgs{});
    EXPECT_EQ(gy.L1.ForeColor(), (Colour{0, 0, 255}));
    gy.Label16.MouseMove(MouseArgs{});
    EXPECT_EQ(gy.Image8.GetPicture(), gy.Bm.GetPicture());
    gy.Label16.MouseDown(MouseArgs{1, 0, 0, 0});
    EXPECT_EQ(gy.Image8.GetPicture(), gy.Bo.GetPicture());
    gy.Frame4.MouseMove(MouseArgs{});
    EXPECT_EQ(gy.Image8.GetPicture(), gy.Bpt.GetPicture());
    gy.Label9.MouseMove(MouseArgs{});
    EXPECT_EQ(gy.bClose1.GetPicture(), gy.Bm.GetPicture());
    gy.MouseMove(MouseArgs{});
    EXPECT_EQ(gy.bClose1.GetPicture(), gy.Bauto.GetPicture());

    gy.Show();
    main->SetEnabled(false);
    main->Check1.SetValue(0);
    gy.Label9.Click();
    EXPECT_TRUE(app.IsLoaded<GY>());
    EXPECT_FALSE(gy.Visible());
    EXPECT_TRUE(main->Enabled());
    EXPECT_EQ(main->Check1.Value(), 1);
    // Its close box unloads it and leaves the main window alone.
    main->Check1.SetValue(0);
    EXPECT_TRUE(app.Unload(gy, UnloadMode::FromControlMenu));
    EXPECT_EQ(main->Check1.Value(), 0);
}

}  // namespace
}  // namespace vantrel::testing
