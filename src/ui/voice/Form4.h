// Form4: the voice-key settings window. It switches the voice keys on or off
// (tools\yy\set1.dll), shows the add-on's version, and hosts the voice-key
// player, which runs while the window is loaded, shown or hidden, and the
// add-on was found.
#pragma once

#include <array>

#include "ui/Vendor.h"
#include "ui/forms/Application.h"

namespace vantrel {

class Form4 : public Form {
public:
    explicit Form4(Application& app);

    // The load steps: which panel and button show, the player, the files.
    void Form_Load() override;
    // Every unload, whatever its cause, closes the more-settings window.
    void Form_QueryUnload(int& cancel, UnloadMode mode) override;

    void Check1_Click();
    void Command2_Click();
    void Command6_Click();

    // The player.
    void Timer1_Timer();
    void Timer2_Timer();

    // Shown when the add-on is present.
    Frame ys1{L"ys1", L"语音设置", {240, 180, 4920, 2100}};
    CheckBox Check1{L"Check1", L"启动按键发声功能", {480, 540, 3000, 300}};
    Frame setlist1{L"setlist1", L"", {480, 960, 4440, 1140}};
    Label Label2{L"Label2", L"发声插件版本信息：", {720, 1140, 2400, 255}};
    std::array<Label, 2> verdll{{Label{L"verdll", L"未知", {1200, 1470, 3000, 255}},
                                 Label{L"verdll", L"未知", {1200, 1770, 3000, 255}}}};

    // Shown when it is missing.
    Frame sb1{L"sb1", L"语音启动失败", {240, 180, 4920, 2100}};
    Label Label1{L"Label1", L"系统检测到您没有安装语音热键插件", {480, 660, 4440, 255}};
    Label Label3{L"Label3", L"请到Vantrel中文网站下载插件", {480, 1080, 4440, 255}};
    Label Label4{L"Label4", kVendorWebAddress, {480, 1500, 4440, 255}};

    CommandButton Command2{L"Command2", L"确定", {3840, 2460, 1320, 420}};
    CommandButton Command6{L"Command6", L"关闭", {3840, 2460, 1320, 420}};
    Timer Timer1{L"Timer1", 55};
    Timer Timer2{L"Timer2", 200};

private:
    void ShowAddOnPanel(bool present);
    void ShowVersionPanel(bool visible);
    void ReportSwitchFailure(const std::wstring& what, const std::wstring& reason);
    std::wstring DataPath(const std::wstring& relative) { return port.ProgramFolder() + relative; }
};

}  // namespace vantrel
