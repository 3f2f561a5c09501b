// Form1: the main window. Its load handler is the program's start-up; its
// timers are the key monitor; it holds the key table, the hotkey editor and
// the skinned chrome around them.
#pragma once

#include <array>
#include <map>
#include <set>
#include <string>

#include "engine/KeyTable.h"
#include "engine/Options.h"
#include "engine/SaveTransaction.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/main/GroupFrame.h"

namespace vantrel {

class Form1 : public Form {
public:
    explicit Form1(Application& app);

    // Start-up (Form1_Load.cpp).
    void Form_Load() override;
    // The system close (Alt+F4) asks how to end instead of unloading.
    void Form_QueryUnload(int& cancel, UnloadMode mode) override;

    // The key table and its files (Form1_Table.cpp).
    void LoadFunctionKeys();
    void LoadEntries();
    void SaveTable();
    // After the files changed on disk (a save, a restore): the window and
    // the tables are loaded from them again, with nothing left to save.
    void ShowSavedTable();
    void cmdApplyt_Click() { SaveTable(); }

    // The key monitor (Form1_Monitor.cpp).
    void Timer1_Timer();
    void Timer2_Timer();

    // The hotkey editor (Form1_Editor.cpp).
    void cmbChooseKey_KeyDown(int index, int& keyCode, int shift);
    void cmbChooseKey_KeyUp(int index, int& keyCode, int shift);
    void cmbChooseKey_Click(int index);
    void cmdadd_Click();
    void List1_MouseDown(const MouseArgs& args);
    void List1_MouseMove(const MouseArgs& args);
    void cmddelt_Click();
    void ok1_Click();
    void cmdgd_Click();
    void cmdcancelt_Click();

    // The chrome: hover, press and release pictures, restore surfaces, menu
    // headers, always on top, dragging and the close hotspot (Form1_Chrome.cpp).
    void syscmd();
    void MenuHy();
    void Form_MouseMove(const MouseArgs& args);
    void Check1_Click();
    void Label14_MouseMove(const MouseArgs& args);
    void Label14_MouseDown(const MouseArgs& args);
    void Label14_Click();
    void Label15_Click();
    void xt_MouseMove(const MouseArgs& args);
    void help_MouseMove(const MouseArgs& args);
    void xt_Click();
    void help_Click();
    void wincom_MouseMove(const MouseArgs& args);
    void wincom_Click();

    const KeyTable& Table() const { return table_; }
    // The user's options (Vantrel.ini), read at every load; "个性化设置"
    // hands over the ones it saved so they take effect at once.
    const Options& CurrentOptions() const { return options_; }
    void SetOptions(const Options& options) { options_ = options; }

    // F12 and "打开配置窗口": shows the window, raised above what covers it
    // and restored when minimised; a dialog of the program running modally
    // comes forward above it, since it is what takes input.
    void BringUp();

    // What a secondary window does as it closes: the main window, if loaded,
    // takes input again and goes back on top.
    static void GiveBack(Application& app);

    // Key monitor timers.
    Timer Timer1{L"Timer1", 50};
    Timer Timer2{L"Timer2", 500};

    // Title bar: left end, strip, right end with the close hotspot, title text.
    Image Image14{L"Image14", {120, 0, 8190, 300}};
    Image Image5{L"Image5", {240, 300, 6000, 360}};
    Image Image1{L"Image1", {0, 0, 330, 660}};
    Image Image15{L"Image15", {3360, 0, 840, 660}};
    Label Label15{L"Label15", L"", {3720, 0, 375, 255}};
    Label Label13{L"Label13", L"Vantrel", {360, 70, 1575, 255}};

    // Menu headers and the always-on-top toggle on the menu strip.
    Label xt{L"xt", L"系统(&S)", {240, 380, 660, 210}};
    Label help{L"help", L"帮助(&H)", {960, 380, 660, 210}};
    Image cp{L"cp", {2400, 380, 195, 195}};
    Label Label14{L"Label14", L"总在最前端", {2400, 375, 1095, 255}};

    // The strip under the menus with the hint, and the side edges.
    Image Image8{L"Image8", {0, 660, 900, 315}};
    Image Image9{L"Image9", {900, 660, 2235, 315}};
    Image Image16{L"Image16", {3070, 660, 1125, 315}};
    Label Label8{L"Label8", L"按 F12 显示该窗", {1320, 720, 1575, 255}};
    Image Image18{L"Image18", {0, 960, 120, 4275}};
    Image Image17{L"Image17", {4080, 840, 120, 4395}};

    // Program section: heading, frame, list and the add row.
    Label Label5{L"Label5", L"开启指定程序", {360, 1080, 1575, 255}};
    GroupFrame ProgramFrame{{180, 1350, 3840, 2280}};
    ListBox List1{L"List1", {300, 1440, 3600, 1680}};
    Label Label10{L"Label10", L"选择", {360, 3300, 420, 255}};
    Label Label11{L"Label11", L"操作", {1560, 3300, 420, 255}};

    // System section: heading, frame and the row labels of the six choosers.
    Label Label9{L"Label9", L"系统功能", {360, 3720, 1575, 255}};
    GroupFrame SystemFrame{{180, 3960, 3840, 1185}};
    std::array<Label, 6> SlotLabels{{
        Label{L"SlotLabel", L"关机", {360, 4095, 780, 255}},
        Label{L"SlotLabel", L"重启", {360, 4440, 780, 255}},
        Label{L"SlotLabel", L"屏保", {360, 4785, 780, 255}},
        Label{L"SlotLabel", L"打开光驱", {2100, 4095, 900, 255}},
        Label{L"SlotLabel", L"关闭光驱", {2100, 4440, 900, 255}},
        Label{L"SlotLabel", L"ＩＥ首页", {2100, 4785, 900, 255}},
    }};

    // The seven key choosers: six system rows, then the add row's (6).
    std::array<ComboBox, kSlotCount> cmbChooseKey{{
        ComboBox{L"cmbChooseKey", {1140, 4050, 780, 300}},
        ComboBox{L"cmbChooseKey", {1140, 4395, 780, 300}},
        ComboBox{L"cmbChooseKey", {1140, 4740, 780, 300}},
        ComboBox{L"cmbChooseKey", {3060, 4050, 840, 300}},
        ComboBox{L"cmbChooseKey", {3060, 4395, 840, 300}},
        ComboBox{L"cmbChooseKey", {3060, 4740, 840, 300}},
        ComboBox{L"cmbChooseKey", {780, 3240, 720, 300}},
    }};

    // The bottom panel, the "功能" tab and the status line.
    Image Image19{L"Image19", {0, 5160, 1050, 1140}};
    Image Image20{L"Image20", {960, 5160, 2355, 1140}};
    Image Image21{L"Image21", {3225, 5160, 975, 1140}};
    Image wincom{L"wincom", {105, 5910, 885, 315}};
    Label zt{L"zt", L"", {1080, 5985, 2895, 255}};

    // Image buttons. Each face is its button (cmdadda is cmdadd's face).
    ImageButton cmdadd{L"cmdadd", L"添加", {2040, 3240, 855, 300}, {2040, 3285, 855, 255}};
    ImageButton cmddelt{L"cmddelt", L"删除", {3000, 3240, 855, 300}, {3000, 3285, 855, 255}};
    ImageButton cmdApplyt{L"cmdApplyt", L"保存设置", {240, 5415, 855, 300}, {240, 5460, 855, 255}};
    ImageButton cmdgd{L"cmdgd", L"更多设置", {1200, 5415, 855, 300}, {1200, 5460, 855, 255}};
    ImageButton ok1{L"ok1", L"继续监视", {2160, 5415, 855, 300}, {2160, 5460, 855, 255}};
    ImageButton cmdcancelt{L"cmdcancelt", L"结束程序", {3120, 5415, 855, 300}, {3120, 5460, 855, 255}};
    ImageButton& cmdadda{cmdadd};
    ImageButton& cmddel{cmddelt};
    ImageButton& cmdApply{cmdApplyt};
    ImageButton& cmdgdi{cmdgd};
    ImageButton& cmdOk{ok1};
    ImageButton& cmdCancel{cmdcancelt};

    // Picture holders, below the visible client area.
    Image Bpt{L"Bpt", {0, 6600, 1110, 300}};
    Image Bm{L"Bm", {1200, 6600, 1110, 300}};
    Image Bo{L"Bo", {2400, 6600, 1110, 300}};
    Image Bauto{L"Bauto", {0, 7000, 1110, 300}};
    Image Bef{L"Bef", {1200, 7000, 1110, 300}};
    Image win1{L"win1", {2400, 7000, 885, 315}};
    Image win2{L"win2", {3300, 7000, 885, 315}};
    Image c1{L"c1", {0, 7400, 195, 195}}, c2{L"c2", {300, 7400, 195, 195}},
        c3{L"c3", {600, 7400, 195, 195}}, c4{L"c4", {900, 7400, 195, 195}},
        c5{L"c5", {1200, 7400, 195, 195}}, c6{L"c6", {1500, 7400, 195, 195}};

    // Always-on-top state and the browser start page, both out of sight.
    CheckBox Check1{L"Check1", L"前端显示", {0, 7800, 1200, 255}};
    TextBox Text4{L"Text4", {1200, 7800, 1200, 255}};

private:
    std::wstring DataPath(const std::wstring& relative);
    void ReportSaveFailure(const SaveOutcome& outcome);
    void ReportUnencodable(const std::wstring& path);
    void ReloadTableOnly();
    void TellFilesTooLarge();
    void RefuseToReplaceUnread(const std::wstring& path, bool tooLarge);

    // Editor helpers (Form1_Editor.cpp).
    void CheckKeyInUse(const std::wstring& key, int index);
    void LockChoosers();
    void UnlockChoosers();
    void MarkEdited();
    bool RefuseUnstorablePath(const std::wstring& path);

    // Chrome helpers (Form1_Chrome.cpp).
    void SetOnTop(int value);
    void ShowExitChooser();
    void PressFace(ImageButton& button, const MouseArgs& args, bool leftOnly);
    void ReleaseFace(ImageButton& button, const MouseArgs& args, bool leftOnly);
    bool HoverButton(ImageButton& button, const std::wstring& hint);
    void HoverMenuHeader(Label& header, const std::wstring& hint);
    const Picture* SaveResting() const;
    const Picture* OkResting() const;
    const Picture* DeleteResting() const;
    void RestCheckPicture();
    void WireChrome();
    void WireEditor();

    KeyTable table_;
    Options options_;
    std::vector<KeyCode> heldKeys_;  // acted (one launch per press) or called a countdown off; not yet released
    // The table files that are there but were not read by the last load,
    // each with whether it was too large; and those the user was told of.
    std::map<std::wstring, bool> unread_;
    std::set<std::wstring> toldTooLarge_;
};

}  // namespace vantrel
