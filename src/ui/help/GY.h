// GY: the About window: title and version, the vendor's links, and three
// service links. "关闭" only hides it and gives the main window back.
#pragma once

#include "ui/Vendor.h"
#include "ui/forms/Application.h"

namespace vantrel {

inline const std::wstring kVersionText = L"V2.0.4 Professional";

class GY : public Form {
public:
    explicit GY(Application& app);

    void L1_Click();
    void Label11_Click();
    void Label15_Click();
    void Label16_Click();
    void Label17_Click();
    void Label9_Click();

    Frame Frame2{L"Frame2", L"关于软件", {120, 120, 4200, 2040}};
    Image Image2{L"Image2", {300, 480, 480, 480}};
    Label Title{L"Title", L"Vantrel 功能键启动器", {960, 480, 3240, 255}};
    Label Label5{L"Label5", kVersionText, {960, 840, 3240, 255}};
    Label L1{L"L1", kVendorWebAddress, {960, 1200, 3240, 255}};
    Label Label11{L"Label11", kVendorMailAddress, {960, 1560, 3240, 255}};

    Frame Frame3{L"Frame3", L"联系方式", {120, 2280, 4200, 1560}};
    Label Contact1{L"Contact1", L"Talvorin 软件工作室", {360, 2640, 3840, 255}};
    Label Contact2{L"Contact2", L"网站：" + kVendorWebAddress, {360, 3000, 3840, 255}};
    Label Contact3{L"Contact3", L"邮件：" + kVendorMailAddress, {360, 3360, 3840, 255}};

    Frame Frame4{L"Frame4", L"在线服务", {4440, 120, 2550, 3720}};
    ImageButton Label15{L"Label15", L"查看是否有新版本", {4680, 600, 2070, 300}, {4680, 645, 2070, 255}};
    ImageButton Label16{L"Label16", L"下载相关插件", {4680, 1200, 2070, 300}, {4680, 1245, 2070, 255}};
    ImageButton Label17{L"Label17", L"本软件消息", {4680, 1800, 2070, 300}, {4680, 1845, 2070, 255}};
    ImageButton& Image7{Label15};
    ImageButton& Image8{Label16};
    ImageButton& Image9{Label17};
    ImageButton Label9{L"Label9", L"关闭", {5760, 3990, 1110, 300}, {5760, 4035, 1110, 255}};
    ImageButton& bClose1{Label9};

    Image Bpt{L"Bpt", {0, 4800, 1110, 300}}, Bm{L"Bm", {1200, 4800, 1110, 300}},
        Bo{L"Bo", {2400, 4800, 1110, 300}}, Bauto{L"Bauto", {3600, 4800, 1110, 300}};
};

}  // namespace vantrel
