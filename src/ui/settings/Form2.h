// Form2: the more-settings window. Its working setting is start at log-on
// ("是" / "否"); it also shows that F12 brings up the main window and links
// to the vendor's site. Closing it gives the main window back, enabled and
// on top.
#pragma once

#include "ui/Vendor.h"
#include "ui/forms/Application.h"
#include "ui/settings/StartAtLogOn.h"

namespace vantrel {

class Form2 : public Form {
public:
    explicit Form2(Application& app);
    void Form_Load() override;
    void Form_Unload() override;

    void y2_Click();
    void n2_Click();
    void Command2_Click();
    void Label3_Click();

    Frame Frame1{L"Frame1", L"", {240, 180, 4920, 1800}};
    Label Label1{L"Label1", L"随Windows启动", {480, 540, 1500, 255}};
    ImageButton y2{L"y2", L"是", {2040, 480, 855, 300}, {2040, 525, 855, 255}};
    ImageButton n2{L"n2", L"否", {3120, 480, 855, 300}, {3120, 525, 855, 255}};
    ImageButton& y1{y2};
    ImageButton& n1{n2};
    Label Label4{L"Label4", L"显示主配置窗", {480, 1200, 1500, 255}};
    ComboBox Combo1{L"Combo1", {2040, 1140, 1020, 300}};
    ImageButton Command2{L"Command2", L"完成配置", {4200, 2220, 960, 300}, {4200, 2265, 960, 255}};
    ImageButton& Image2{Command2};
    Label Label2{L"Label2", L"请注意软件更新", {240, 2280, 1800, 255}};
    Label Label3{L"Label3", kVendorWebAddress, {240, 2640, 3600, 255}};

    // Button faces: default, normal, pressed, disabled, hover.
    Image b1{L"b1", {0, 3600, 1110, 300}}, b2{L"b2", {1200, 3600, 1110, 300}},
        b3{L"b3", {2400, 3600, 1110, 300}}, b4{L"b4", {3600, 3600, 1110, 300}},
        b5{L"b5", {0, 4000, 1110, 300}};
    TextBox loadadd1{L"loadadd1", {1200, 4000, 2400, 255}};

private:
    // Faces for the choice in force: its button disabled on b4, the other on b2.
    void ShowChoice(bool yes);
    const Picture* Resting(const ImageButton& button) const;
    void Confirm(bool yes);
    // A change made, with a value beside it that could not be removed.
    void TellValueLeft(const RunValueLeft& left, bool yes);
};

}  // namespace vantrel
