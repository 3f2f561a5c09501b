// Form1: the main window. Its load handler is the program's start-up; its
// timers are the key monitor; it holds the key table and the hotkey editor.
#pragma once

#include <array>
#include <string>

#include "engine/KeyTable.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"

namespace vantrel {

class Form1 : public Form {
public:
    explicit Form1(Application& app);

    // Start-up (Form1_Load.cpp).
    void Form_Load() override;

    // The key table and its files (Form1_Table.cpp).
    void LoadFunctionKeys();
    void LoadEntries();
    void SaveTable();
    void cmdApplyt_Click() { SaveTable(); }

    // The key monitor (Form1_Monitor.cpp).
    void Timer1_Timer();
    void Timer2_Timer();

    // Always on top.
    void Check1_Click();

    const KeyTable& Table() const { return table_; }

    // Key monitor timers.
    Timer Timer1{L"Timer1", 50};
    Timer Timer2{L"Timer2", 500};

    // Section headings and fixed texts.
    Label Label13{L"Label13", L"Vantrel", {360, 70, 1575, 255}};
    Label Label8{L"Label8", L"按 F12 显示该窗", {1320, 720, 1575, 255}};
    Label Label5{L"Label5", L"开启指定程序", {360, 1080, 1575, 255}};
    Label Label9{L"Label9", L"系统功能", {360, 3720, 1575, 255}};
    Label Label10{L"Label10", L"选择", {360, 3300, 420, 255}};
    Label Label11{L"Label11", L"操作", {1560, 3300, 420, 255}};
    std::array<Label, 6> SlotLabels{{
        Label{L"SlotLabel", L"关机", {360, 4080, 840, 255}},
        Label{L"SlotLabel", L"重启", {360, 4500, 840, 255}},
        Label{L"SlotLabel", L"屏保", {360, 4920, 840, 255}},
        Label{L"SlotLabel", L"打开光驱", {2160, 4080, 840, 255}},
        Label{L"SlotLabel", L"关闭光驱", {2160, 4500, 840, 255}},
        Label{L"SlotLabel", L"ＩＥ首页", {2160, 4920, 840, 255}},
    }};

    // The program list and the seven key choosers (6 is the add row's).
    ListBox List1{L"List1", {240, 1380, 3720, 1800}};
    std::array<ComboBox, kSlotCount> cmbChooseKey{{
        ComboBox{L"cmbChooseKey", {1140, 4020, 780, 300}},
        ComboBox{L"cmbChooseKey", {1140, 4440, 780, 300}},
        ComboBox{L"cmbChooseKey", {1140, 4860, 780, 300}},
        ComboBox{L"cmbChooseKey", {3060, 4020, 900, 300}},
        ComboBox{L"cmbChooseKey", {3060, 4440, 900, 300}},
        ComboBox{L"cmbChooseKey", {3060, 4860, 900, 300}},
        ComboBox{L"cmbChooseKey", {780, 3240, 720, 300}},
    }};

    // Image buttons: a face under a transparent label that takes the clicks.
    Image cmdadda{L"cmdadda", {2040, 3240, 855, 300}};
    Label cmdadd{L"cmdadd", L"添加", {2040, 3285, 855, 255}};
    Image cmddel{L"cmddel", {3000, 3240, 855, 300}};
    Label cmddelt{L"cmddelt", L"删除", {3000, 3285, 855, 255}};
    Image cmdApply{L"cmdApply", {240, 5415, 855, 300}};
    Label cmdApplyt{L"cmdApplyt", L"保存设置", {240, 5460, 855, 255}};
    Image cmdgdi{L"cmdgdi", {1200, 5415, 855, 300}};
    Label cmdgd{L"cmdgd", L"更多设置", {1200, 5460, 855, 255}};
    Image cmdOk{L"cmdOk", {2160, 5415, 855, 300}};
    Label ok1{L"ok1", L"继续监视", {2160, 5460, 855, 255}};
    Image cmdCancel{L"cmdCancel", {3120, 5415, 855, 300}};
    Label cmdcancelt{L"cmdcancelt", L"结束程序", {3120, 5460, 855, 255}};

    // Status line.
    Label zt{L"zt", L"", {1080, 5985, 2895, 255}};

    // Picture holders, below the visible client area.
    Image Bpt{L"Bpt", {0, 6600, 1110, 300}};
    Image Bm{L"Bm", {1200, 6600, 1110, 300}};
    Image Bo{L"Bo", {2400, 6600, 1110, 300}};
    Image Bauto{L"Bauto", {0, 7000, 1110, 300}};
    Image Bef{L"Bef", {1200, 7000, 1110, 300}};

    // Always-on-top state and the browser start page, both out of sight.
    CheckBox Check1{L"Check1", L"前端显示", {0, 7400, 1200, 255}};
    TextBox Text4{L"Text4", {1200, 7400, 1200, 255}};

private:
    std::wstring DataPath(const std::wstring& relative);
    void ReportSaveFailure(const std::wstring& path, const std::wstring& reason);

    KeyTable table_;
};

}  // namespace vantrel
