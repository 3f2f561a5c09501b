// Form1's design: its controls in z and Tab order, their pictures, colours
// and fonts, and the wiring of their events.
#include "ui/main/Form1.h"

#include "ui/forms/Pictures.h"
#include "ui/main/WindowLook.h"

namespace vantrel {
namespace {

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kNavy{0, 0, 128};
constexpr Colour kPurple{128, 0, 128};
constexpr Colour kYellow{255, 255, 0};

}  // namespace

Form1::Form1(Application& application)
    : Form(application, L"Form1", L"Vantrel", {0, 0, 4200, 6300}) {
    SetBorderless(true);
    SetMainWindow();

    // Holders and the pictures the skin shows at rest.
    const std::pair<Image*, const Picture*> holders[] = {
        {&Bpt, &pictures::ButtonNormal},  {&Bm, &pictures::ButtonHover},
        {&Bo, &pictures::ButtonPressed},  {&Bauto, &pictures::ButtonDefault},
        {&Bef, &pictures::ButtonDisabled}, {&win1, &pictures::TabNormal},
        {&win2, &pictures::TabHover},     {&c1, &pictures::CheckOff},
        {&c2, &pictures::CheckOffHover},  {&c3, &pictures::CheckOffPressed},
        {&c4, &pictures::CheckOn},        {&c5, &pictures::CheckOnHover},
        {&c6, &pictures::CheckOnPressed}};
    for (auto [holder, picture] : holders) {
        holder->SetPicture(picture);
        holder->SetVisible(false);
    }
    const std::pair<Image*, const Picture*> skin[] = {
        {&Image14, &pictures::TitleStrip}, {&Image5, &pictures::MenuStrip},
        {&Image1, &pictures::TitleLeft},   {&Image15, &pictures::TitleRight},
        {&Image8, &pictures::StripLeft},   {&Image9, &pictures::StripMiddle},
        {&Image16, &pictures::StripRight}, {&Image18, &pictures::Edge},
        {&Image17, &pictures::Edge},       {&Image19, &pictures::PanelLeft},
        {&Image20, &pictures::PanelMiddle}, {&Image21, &pictures::PanelRight}};
    for (auto [image, picture] : skin) image->SetPicture(picture);
    for (ImageButton* face : {&cmdadda, &cmddel, &cmdApply, &cmdgdi, &cmdOk, &cmdCancel})
        face->SetPicture(Bpt.GetPicture());
    cp.SetPicture(c4.GetPicture());
    wincom.SetPicture(win1.GetPicture());
    Check1.SetVisible(false);
    Text4.SetVisible(false);

    // Texts: colours, fonts and the clickable labels' names and tips.
    Label13.SetForeColor(kWhite);
    for (Label* heading : {&Label13, &Label5, &Label9}) heading->SetFont(kHeadingFont);
    for (Label* navy : {&Label8, &Label5, &Label9}) navy->SetForeColor(kNavy);
    for (Label* purple : {&Label10, &Label11}) purple->SetForeColor(kPurple);
    zt.SetForeColor(kYellow);
    for (Label* header : {&xt, &help}) header->SetBackColor(kNavy);
    xt.SetToolTipText(L"点击弹出系统菜单");
    help.SetToolTipText(L"点击弹出帮助菜单");
    Label14.SetTextAlign(Alignment::Right);
    Label14.SetTabStop(true);
    Label15.SetAccessibleName(L"关闭");
    wincom.SetAccessibleName(L"功能");
    wincom.SetTabStop(true);

    WireChrome();
    WireEditor();
    Timer1.Tick = [this] { Timer1_Timer(); };
    Timer2.Tick = [this] { Timer2_Timer(); };

    // Bottom to top: the skin, then the texts and controls that lie on it.
    // Tab follows the same order: list, add row, system rows, bottom row,
    // then the always-on-top toggle and the "功能" tab.
    for (Control* c : std::initializer_list<Control*>{
             &Timer1, &Timer2, &Image14, &Image5, &Image1, &Image15, &Image8, &Image9, &Image16,
             &Image18, &Image17, &Image19, &Image20, &Image21, &cp, &Label13, &Label15, &xt,
             &help, &Label8, &Label5, &Label9, &Label10, &Label11})
        Add(*c);
    for (Control* c : ProgramFrame.Parts()) Add(*c);
    for (Control* c : SystemFrame.Parts()) Add(*c);
    AddArray(SlotLabels);
    for (Control* c : std::initializer_list<Control*>{
             &List1, &cmbChooseKey[6], &cmdadd, &cmddelt, &cmbChooseKey[0], &cmbChooseKey[1],
             &cmbChooseKey[2], &cmbChooseKey[3], &cmbChooseKey[4], &cmbChooseKey[5], &cmdApplyt,
             &cmdgd, &ok1, &cmdcancelt, &Label14, &wincom, &zt, &Bpt, &Bm, &Bo, &Bauto, &Bef, &win1, &win2,
             &c1, &c2, &c3, &c4, &c5, &c6, &Check1, &Text4})
        Add(*c);
}

void Form1::Form_QueryUnload(int& cancel, UnloadMode mode) {
    if (mode != UnloadMode::FromControlMenu) return;
    // Alt+F4 or the system close: ask how to end, as the close hotspot does,
    // rather than silently ending the monitoring.
    cancel = 1;
    Label15_Click();
}

void Form1::BringUp() {
    Show();
    port.RaiseWindow(hWnd());
    if (Form* modal = app.ModalForm(); modal && modal != this) port.RaiseWindow(modal->hWnd());
}

std::wstring Form1::DataPath(const std::wstring& relative) {
    return port.ProgramFolder() + relative;
}

}  // namespace vantrel
