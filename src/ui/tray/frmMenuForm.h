// frmMenuForm: the hidden form that owns the command menus the main window's
// headers pop up. Loaded once by the main window's start-up, never shown.
#pragma once

#include "ui/forms/Application.h"
#include "ui/forms/Menu.h"

namespace vantrel {

class frmMenuForm : public Form {
public:
    explicit frmMenuForm(Application& app);

    // "系统(&S)"
    MenuItem xt1{L"xt1", L"系统(&S)"};
    MenuItem yy3{L"yy3", L"语音键设置..."};
    MenuItem g3{L"g3", L"个性化设置..."};
    MenuItem sz1{L"sz1", L"更多设置..."};
    MenuItem hx1{L"hx1", L"-"};
    MenuItem down3{L"down3", L"访问Talvorin软件"};
    MenuItem hx2{L"hx2", L"-"};
    MenuItem un3{L"un3", L"退出...", L"Ctrl+S"};

    // "功能"
    MenuItem gn1{L"gn1", L"功能"};
    MenuItem ghSkins{L"ghSkins", L"更换Skins"};
    MenuItem lsmh{L"lsmh", L"蓝色梦幻"};
    MenuItem yybj1{L"yybj1", L"语音报键"};
    MenuItem gxhsz1{L"gxhsz1", L"个性化设置"};
    MenuItem brjxx1{L"brjxx1", L"本软件消息"};

    // "帮助(&H)"
    MenuItem h1{L"h1", L"帮助(&H)"};
    MenuItem h2{L"h2", L"帮助文件", L"F1"};
    MenuItem abou1{L"abou1", L"关于...", L"Ctrl+A"};

    void h2_Click();
    void down3_Click();
    void brjxx1_Click();
};

}  // namespace vantrel
