#include "ui/tray/frmMenuForm.h"

#include "ui/Vendor.h"
#include "ui/help/Form5.h"
#include "ui/help/GY.h"
#include "ui/settings/Form2.h"
#include "ui/settings/Form3.h"
#include "ui/tray/endset01.h"
#include "ui/voice/Form4.h"

namespace vantrel {

frmMenuForm::frmMenuForm(Application& application)
    : Form(application, L"frmMenuForm", L"Menu", {0, 0, 1200, 600}) {
    xt1.items = {&yy3, &g3, &sz1, &hx1, &down3, &hx2, &un3};
    gn1.items = {&ghSkins, &yybj1, &gxhsz1, &brjxx1};
    ghSkins.items = {&lsmh};
    lsmh.SetChecked(true);
    h1.items = {&h2, &abou1};

    yy3.Click = yybj1.Click = [this] { app.Get<Form4>().ShowModal(); };
    g3.Click = gxhsz1.Click = [this] { app.Get<Form3>().ShowModal(); };
    sz1.Click = [this] { app.Get<Form2>().ShowModal(); };
    un3.Click = [this] { app.Get<endset01>().ShowModal(); };
    h2.Click = [this] { h2_Click(); };
    down3.Click = [this] { down3_Click(); };
    brjxx1.Click = [this] { brjxx1_Click(); };
    abou1.Click = [this] { app.Get<GY>().ShowModal(); };
    lsmh.Click = [this] {
        port.MessageBox(hWnd(), L"您的外观已经是 蓝色梦幻 请下载别的外观", L"更换外观",
                        MbOk | MbIconError);
    };
}

void frmMenuForm::h2_Click() {
    // The HTML help that comes with the program. The classic help file only
    // stands in where that is missing: Windows 10 and 11 show no .hlp files.
    const std::wstring folder = port.ProgramFolder();
    const std::wstring pages = folder + L"\\help\\index.htm";
    if (port.FileExists(pages)) {
        port.ShellExecute(hWnd(), L"Open", pages, L"", folder, kSwShowNormal);
        return;
    }
    const std::wstring classic = folder + L"\\Vantrel.hlp";
    if (port.FileExists(classic) && port.ShowHelp(hWnd(), classic, kHelpContents)) return;
    port.MessageBox(hWnd(), L"找不到帮助文件“" + pages + L"”。\r\n\r\n请重新安装 Vantrel 以恢复帮助。",
                    L"提示", MbOk | MbIconExclamation);
}

void frmMenuForm::down3_Click() {
    port.ShellExecute(hWnd(), L"Open", kVendorWebAddress + L"/talvorin", L"", port.ProgramFolder(),
                      kSwShowNormal);
}

void frmMenuForm::brjxx1_Click() {
    Form5::Open(app, kVendorWebAddress + L"/talvorin", L"本软件消息");
}

}  // namespace vantrel
