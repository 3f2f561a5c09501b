// Form1's chrome: hover, press and release pictures of the image buttons,
// the hints in the status line, the surfaces that put everything back to
// rest, the menu headers, always on top, dragging and the close hotspot.
#include "ui/main/Form1.h"

#include "ui/main/WindowLook.h"
#include "ui/tray/endset01.h"
#include "ui/tray/frmMenuForm.h"

namespace vantrel {
namespace {

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};
constexpr int kLeftButton = 1;

}  // namespace

void Form1::WireChrome() {
    MouseMove = [this](const MouseArgs& a) { Form_MouseMove(a); };
    const std::pair<ImageButton*, const wchar_t*> hints[] = {
        {&cmdadd, L"添加一个用热键调用的指定程序"},
        {&cmddelt, L"删除列表中选定的条目"},
        {&cmdgd, L"更多的功能设置..."}};
    for (auto [button, hint] : hints) {
        button->MouseMove = [this, button = button, hint = hint](const MouseArgs&) {
            HoverButton(*button, hint);
        };
    }
    cmdApplyt.MouseMove = [this](const MouseArgs&) {
        if (!HoverButton(cmdApplyt, L"保存修改的数据")) return;
        cmdOk.SetPicture(OkResting());
        cmdCancel.SetPicture(Bpt.GetPicture());
    };
    ok1.MouseMove = [this](const MouseArgs&) {
        // "继续监视" reacts only while there is nothing to save.
        if (cmdApplyt.Enabled() || !HoverButton(ok1, L"隐藏本窗口")) return;
        cmdCancel.SetPicture(Bpt.GetPicture());
    };
    cmdcancelt.MouseMove = [this](const MouseArgs&) {
        if (!HoverButton(cmdcancelt, L"选择结束程序的方式")) return;
        cmdApply.SetPicture(SaveResting());
        cmdOk.SetPicture(OkResting());
    };
    // The add row reacts to any button; the bottom row to the left one only,
    // except "保存设置".
    for (ImageButton* b : {&cmdadd, &cmddelt, &cmdApplyt, &cmdgd, &ok1, &cmdcancelt}) {
        const bool leftOnly = b == &cmdgd || b == &ok1 || b == &cmdcancelt;
        b->MouseDown = [this, b, leftOnly](const MouseArgs& a) { PressFace(*b, a, leftOnly); };
        b->MouseUp = [this, b, leftOnly](const MouseArgs& a) { ReleaseFace(*b, a, leftOnly); };
    }

    // Restore surfaces.
    Image21.MouseMove = [this](const MouseArgs&) { syscmd(); };
    Image20.MouseMove = [this](const MouseArgs&) {
        syscmd();
        wincom.SetPicture(win1.GetPicture());
    };
    Image19.MouseMove = [this](const MouseArgs&) { wincom.SetPicture(win1.GetPicture()); };
    for (Image* surface : {&Image1, &Image5, &Image8, &Image9})
        surface->MouseMove = [this](const MouseArgs&) { MenuHy(); };

    // Menu headers and the "功能" tab.
    xt.MouseMove = [this](const MouseArgs& a) { xt_MouseMove(a); };
    help.MouseMove = [this](const MouseArgs& a) { help_MouseMove(a); };
    xt.MouseUp = help.MouseUp = [this](const MouseArgs&) { MenuHy(); };
    xt.Click = [this] { xt_Click(); };
    help.Click = [this] { help_Click(); };
    wincom.MouseMove = [this](const MouseArgs& a) { wincom_MouseMove(a); };
    wincom.Click = [this] { wincom_Click(); };

    // Always on top.
    Check1.Click = [this] { Check1_Click(); };
    Label14.MouseMove = [this](const MouseArgs& a) { Label14_MouseMove(a); };
    Label14.MouseDown = [this](const MouseArgs& a) { Label14_MouseDown(a); };
    Label14.Click = [this] { Label14_Click(); };

    // Drag surfaces (any button) and the close hotspot.
    for (Control* surface : std::initializer_list<Control*>{&Image1, &Image14, &Label13, &Label8, &Label10})
        surface->MouseDown = [this](const MouseArgs&) { DragWindow(*this, port); };
    Label15.Click = [this] { Label15_Click(); };
    cmdcancelt.Click = [this] { cmdcancelt_Click(); };
}

const Picture* Form1::SaveResting() const {
    return (cmdApplyt.Enabled() ? Bauto : Bef).GetPicture();
}

const Picture* Form1::OkResting() const { return (ok1.Enabled() ? Bauto : Bef).GetPicture(); }

const Picture* Form1::DeleteResting() const {
    return (cmddelt.Enabled() ? Bpt : Bef).GetPicture();
}

void Form1::RestCheckPicture() {
    if (Check1.Value() == 1) cp.SetPicture(c4.GetPicture());
    else if (Check1.Value() == 0) cp.SetPicture(c1.GetPicture());
}

bool Form1::HoverButton(ImageButton& button, const std::wstring& hint) {
    // A disabled button takes no mouse: no hover picture, no hint.
    if (!button.Enabled()) return false;
    button.SetPicture(Bm.GetPicture());
    zt.SetCaption(hint);
    return true;
}

void Form1::PressFace(ImageButton& button, const MouseArgs& args, bool leftOnly) {
    if (leftOnly && args.button != kLeftButton) return;
    button.SetPicture(Bo.GetPicture());
}

void Form1::ReleaseFace(ImageButton& button, const MouseArgs& args, bool leftOnly) {
    if (leftOnly && args.button != kLeftButton) return;
    if (&button == &cmdApplyt)
        button.SetPicture((ok1.Enabled() ? Bpt : Bauto).GetPicture());
    else
        button.SetPicture(Bpt.GetPicture());
}

void Form1::syscmd() {
    cmdApply.SetPicture(SaveResting());
    cmdOk.SetPicture(OkResting());
    cmdCancel.SetPicture(Bpt.GetPicture());
    zt.SetCaption(L"");
    cmdgdi.SetPicture(Bpt.GetPicture());
}

void Form1::MenuHy() {
    zt.SetCaption(L"");
    for (Label* header : {&xt, &help}) {
        header->SetOpaque(false);
        header->SetForeColor(kBlack);
    }
    RestCheckPicture();
}

void Form1::Form_MouseMove(const MouseArgs&) {
    zt.SetCaption(L"");
    cmdgdi.SetPicture(Bpt.GetPicture());
    cmddel.SetPicture(DeleteResting());
    cmdadda.SetPicture(Bpt.GetPicture());
    RestCheckPicture();
}

void Form1::HoverMenuHeader(Label& header, const std::wstring& hint) {
    zt.SetCaption(hint);
    header.SetOpaque(true);
    header.SetForeColor(kWhite);
}

void Form1::xt_MouseMove(const MouseArgs&) { HoverMenuHeader(xt, L"点击弹出系统菜单"); }
void Form1::help_MouseMove(const MouseArgs&) { HoverMenuHeader(help, L"点击弹出帮助菜单"); }

void Form1::xt_Click() {
    Check1.SetValue(0);
    const Rect& r = xt.Bounds();
    PopupMenu(app.Get<frmMenuForm>().xt1, r.left, r.top + r.height);
}

void Form1::help_Click() {
    Check1.SetValue(0);
    const Rect& r = help.Bounds();
    PopupMenu(app.Get<frmMenuForm>().h1, r.left, r.top + r.height);
}

void Form1::wincom_MouseMove(const MouseArgs&) { wincom.SetPicture(win2.GetPicture()); }

void Form1::wincom_Click() {
    Check1.SetValue(0);
    const Rect& r = wincom.Bounds();
    PopupMenu(app.Get<frmMenuForm>().gn1, r.left, r.top + r.height);
}

void Form1::GiveBack(Application& app) {
    if (Form1* main = app.Find<Form1>()) {
        main->SetEnabled(true);
        main->Check1.SetValue(1);
    }
}

void Form1::SetOnTop(int value) { port.SetTopmost(hWnd(), value == 1); }

void Form1::Check1_Click() {
    SetOnTop(Check1.Value());
    RestCheckPicture();
}

void Form1::Label14_MouseMove(const MouseArgs&) {
    zt.SetCaption(L"在设置时，把本窗体放在最前面");
    // Compares the picture shown, not the check box's value.
    if (cp.GetPicture() == c1.GetPicture()) cp.SetPicture(c2.GetPicture());
    else if (cp.GetPicture() == c4.GetPicture()) cp.SetPicture(c5.GetPicture());
}

void Form1::Label14_MouseDown(const MouseArgs&) {
    if (Check1.Value() == 0) cp.SetPicture(c3.GetPicture());
    else if (Check1.Value() == 1) cp.SetPicture(c6.GetPicture());
}

void Form1::Label14_Click() {
    if (Check1.Value() == 0) {
        cp.SetPicture(c4.GetPicture());
        Check1.SetValue(1);
    } else if (Check1.Value() == 1) {
        cp.SetPicture(c1.GetPicture());
        Check1.SetValue(0);
    }
}

void Form1::ShowExitChooser() {
    Check1.SetValue(0);
    app.Get<endset01>().ShowModal();
}

void Form1::Label15_Click() { ShowExitChooser(); }
void Form1::cmdcancelt_Click() { ShowExitChooser(); }

}  // namespace vantrel
