// Form5: the built-in browser window. One shared instance; whoever opens it
// navigates it to the local loading page and then to the remote page, sets
// its caption and shows it.
#pragma once

#include "ui/Vendor.h"
#include "ui/forms/Application.h"

namespace vantrel {

class Form5 : public Form {
public:
    explicit Form5(Application& app);

    // Opens (or re-navigates) the window on a page of the vendor's site.
    static void Open(Application& app, const std::wstring& url, const std::wstring& caption);

    void Command1_Click() { app.Unload(*this); }
    void Command2_Click() { WebBrowser1.GoBack(); }
    void Command3_Click() { WebBrowser1.Stop(); }
    void Command4_Click() { WebBrowser1.Refresh(); }
    void Command5_Click() { WebBrowser1.GoForward(); }
    void Label1_Click() { WebBrowser1.Navigate(kVendorWebAddress + L"/Talvorin"); }

    WebBrowser WebBrowser1{L"WebBrowser1", {0, 0, 11910, 7380}};
    Label Label1{L"Label1", L"访问Vantrel官方网站", {180, 7560, 2400, 255}};
    CommandButton Command2{L"Command2", L"后退 (&B)", {5160, 7500, 1140, 375}};
    CommandButton Command5{L"Command5", L"前进 (&N)", {6360, 7500, 1140, 375}};
    CommandButton Command3{L"Command3", L"停止 (&S)", {7560, 7500, 1140, 375}};
    CommandButton Command4{L"Command4", L"刷新 (&R)", {8760, 7500, 1140, 375}};
    Label Divider{L"Divider", L"", {10080, 7470, 15, 435}};
    CommandButton Command1{L"Command1", L"关闭 (&C)", {10260, 7500, 1440, 375}};
};

}  // namespace vantrel
