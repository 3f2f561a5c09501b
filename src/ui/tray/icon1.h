// icon1: the hidden tray form. Its load adds the tray icon, takes the program
// out of the task list and shows the splash; a right-button press on the icon
// pops up its menu `xx`, from which monitoring is paused and resumed.
#pragma once

#include "ui/forms/Application.h"
#include "ui/forms/Menu.h"

namespace vantrel {

inline const std::wstring kTrayTip = L"Vantrel (按 F12 配置)";

class icon1 : public Form {
public:
    explicit icon1(Application& app);
    void Form_Load() override;
    // Removes the tray icon; never refuses.
    void Form_QueryUnload(int& cancel, UnloadMode mode) override;

    // What the mouse did on the icon. While a dialog of the program runs
    // modally, the icon brings it forward instead of a menu.
    void Picture1_MouseMove(TrayMouse mouse);

    // Ends the program in order: the icon goes, then the process, at once.
    // The answer to "是", to a close request from outside and to the end of
    // the Windows session.
    static void EndProgram(Application& app);

    void Set1_Click();
    void goonlook1_Click();
    void stoplook1_Click();
    void ab1_Click();
    void ab2_Click();
    void e1_Click();

    MenuItem xx{L"xx", L"PopupMenu"};
    MenuItem Set1{L"Set1", L"打开配置窗口   (F12)"};
    MenuItem icj1{L"icj1", L"-"};
    MenuItem goonlook1{L"goonlook1", L"继续监视 (&S)"};
    MenuItem stoplook1{L"stoplook1", L"暂停监视 (&P)"};
    MenuItem icj3{L"icj3", L"-"};
    MenuItem ab1{L"ab1", L"更多设置..."};
    MenuItem icj4{L"icj4", L"-"};
    MenuItem ab2{L"ab2", L"关于软件..."};
    MenuItem icj2{L"icj2", L"-"};
    MenuItem e1{L"e1", L"退出软件  (&X)"};

private:
    // Monitoring on: every item but "继续监视"; paused: only that one.
    void SetMonitoringItems(bool monitoring);
};

}  // namespace vantrel
