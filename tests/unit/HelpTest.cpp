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

TEST_F(HelpTest, HelpOpensTheHtmlHelpWheneverItIsThereTheClassicFileOnlyInItsPlace) {
    const std::wstring index = L"C:\\Vantrel\\help\\index.htm";
    port.PutFile(L"\\Vantrel.hlp", "?_");
    port.PutFile(L"\\help\\index.htm", "<html>");
    menus->h2.Click();
    EXPECT_TRUE(port.CallsTo(L"ShowHelp").empty());
    EXPECT_EQ(port.CallsTo(L"ShellExecute"), std::vector<std::wstring>{Shell(menus->hWnd(), index)});

    port.files.erase(index);
    port.calls.clear();
    menus->h2.Click();
    EXPECT_EQ(port.CallsTo(L"ShowHelp"),
              (std::vector<std::wstring>{L"ShowHelp(" + std::to_wstring(menus->hWnd()) +
                                         L",C:\\Vantrel\\Vantrel.hlp,3)"}));
    EXPECT_TRUE(port.CallsTo(L"ShellExecute").empty());
    EXPECT_TRUE(port.CallsTo(L"MessageBox").empty());

    // Neither, or a classic file the system cannot show: the user is told
    // which file is missing, and nothing is opened.
    port.helpAnswer = false;
    port.calls.clear();
    menus->h2.Click();
    EXPECT_TRUE(port.CallsTo(L"ShellExecute").empty());
    ASSERT_EQ(port.CallsTo(L"MessageBox").size(), 1u);
    EXPECT_EQ(port.messages.back().text.rfind(L"找不到帮助文件“" + index + L"”", 0), 0u)
        << port.messages.back().text;
}

TEST_F(HelpTest, VendorSiteOpensInTheDefaultBrowser) {
    menus->down3.Click();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(),
              Shell(menus->hWnd(), L"https://www.talvorin.com/talvorin"));
}

TEST_F(HelpTest, MessagePageOpensOneBrowserWindowWithTheLoadingPageFirst) {
    menus->brjxx1.Click();
    ASSERT_TRUE(app.IsLoaded<Form5>());
    Form5& f = *app.Find<Form5>();
    EXPECT_EQ(Navigations(f), (std::vector<std::wstring>{L"C:\\Vantrel\\help\\loading.htm",
                                                         L"https://www.talvorin.com/talvorin"}));
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
    EXPECT_EQ(h[8].url, L"https://www.talvorin.com/Talvorin");
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
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(), Shell(gy.hWnd(), L"https://www.talvorin.com/Talvorin"));
    gy.Label11.Click();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(), Shell(gy.hWnd(), L"mailto:support@talvorin.com"));
    gy.Label16.Click();
    EXPECT_EQ(port.CallsTo(L"ShellExecute").back(), Shell(gy.hWnd(), L"https://www.talvorin.com/Talvorin"));
    gy.Label15.Click();
    ASSERT_TRUE(app.IsLoaded<Form5>());
    EXPECT_EQ(app.Find<Form5>()->Caption(), L"检查是否有新版本");
    EXPECT_EQ(Navigations(*app.Find<Form5>()).back(),
              L"https://www.talvorin.com/Talvorin/download.asp?name=2");
    gy.Label17.Click();
    EXPECT_EQ(app.Find<Form5>()->Caption(), L"本软件消息");
    EXPECT_EQ(Navigations(*app.Find<Form5>()).back(), L"https://www.talvorin.com/Talvorin");
}

TEST_F(HelpTest, AboutFeedbackAndCloseGivesTheMainWindowBack) {
    GY& gy = app.Get<GY>();
    // Moves over the window's surface reach the frame they are in, else the form.
    gy.L1.MouseMove(MouseArgs{});
    EXPECT_EQ(gy.L1.ForeColor(), (Colour{255, 0, 0}));
    gy.Label9.MouseMove(MouseArgs{});
    EXPECT_EQ(gy.bClose1.GetPicture(), gy.Bm.GetPicture());
    gy.MouseMoveAt(MouseArgs{0, 0, 200, 2100});  // inside Frame2, below its links
    EXPECT_EQ(gy.L1.ForeColor(), (Colour{0, 0, 255}));
    EXPECT_EQ(gy.bClose1.GetPicture(), gy.Bm.GetPicture());  // not the form's move
    gy.Label16.MouseMove(MouseArgs{});
    EXPECT_EQ(gy.Image8.GetPicture(), gy.Bm.GetPicture());
    gy.Label16.MouseDown(MouseArgs{1, 0, 0, 0});
    EXPECT_EQ(gy.Image8.GetPicture(), gy.Bo.GetPicture());
    gy.L1.MouseMove(MouseArgs{});
    gy.MouseMoveAt(MouseArgs{0, 0, 4500, 3700});  // inside Frame4
    EXPECT_EQ(gy.Image8.GetPicture(), gy.Bpt.GetPicture());
    EXPECT_EQ(gy.L1.ForeColor(), (Colour{255, 0, 0}));  // Frame2's handler did not run
    gy.MouseMoveAt(MouseArgs{0, 0, 4400, 3950});  // between the frames
    EXPECT_EQ(gy.bClose1.GetPicture(), gy.Bauto.GetPicture());
    EXPECT_EQ(gy.L1.ForeColor(), (Colour{255, 0, 0}));

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
