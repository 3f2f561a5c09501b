#include "ui/help/Form5.h"

namespace vantrel {

Form5::Form5(Application& application) : Form(application, L"Form5", L"", {0, 0, 11910, 7995}) {
    Label1.SetForeColor(kLinkColour);
    Label1.SetFont(kLinkFont);
    Label1.SetTabStop(true);
    Divider.SetBackColor({128, 128, 128});
    Divider.SetOpaque(true);
    Command1.Click = [this] { Command1_Click(); };
    Command1.SetCancel(true);
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    Label1.Click = [this] { Label1_Click(); };
    for (Control* c : std::initializer_list<Control*>{&WebBrowser1, &Label1, &Command2, &Command5,
                                                      &Command3, &Command4, &Divider, &Command1})
        Add(*c);
}

void Form5::Open(Application& app, const std::wstring& url, const std::wstring& caption) {
    Form5& window = app.Get<Form5>();
    window.WebBrowser1.Navigate(app.GetPort().ProgramFolder() + L"\\help\\loading.htm");
    window.WebBrowser1.Navigate(url);
    window.SetCaption(caption);
    window.Show();
}

}  // namespace vantrel
