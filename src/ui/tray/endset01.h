// endset01: the exit-mode chooser, shown modally by "结束程序", the close
// hotspot and the system close of the main window, and by "退出...". It
// hides the main window, asks to end the program, or goes back.
#pragma once

#include "ui/forms/Application.h"

namespace vantrel {

class endset01 : public Form {
public:
    explicit endset01(Application& app);
    void Form_Unload() override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    Frame Frame1{L"Frame1", L"结束程序", {120, 90, 4440, 1740}};
    CommandButton Command1{L"Command1", L"完成配置继续监视热键(&D)", {600, 450, 3480, 450}};
    CommandButton Command2{L"Command2", L"结束进程不监视热键(&X)", {600, 1110, 3480, 450}};
    CommandButton Command3{L"Command3", L"返回(&B)", {3240, 2010, 1320, 450}};
};

}  // namespace vantrel
