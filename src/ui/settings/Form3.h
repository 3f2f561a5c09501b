// Form3: "个性化设置", the user's options (Vantrel.ini): a check box each,
// "恢复上一次保存的设置", and "确定" (store and close) or "取消" (close,
// change nothing; Esc too). Modal over the main window, which it gives back
// as it closes.
#pragma once

#include <array>

#include "engine/Options.h"
#include "ui/forms/Application.h"

namespace vantrel {

class Form3 : public Form {
public:
    explicit Form3(Application& app);
    // The boxes show the options in Vantrel.ini.
    void Form_Load() override;
    void Form_Unload() override;

    void cmdRestore_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    Frame Frame1{L"Frame1", L"", {240, 180, 5640, 2100}};
    // In the options' order (Option).
    std::array<CheckBox, kOptionCount> chkOption{{
        CheckBox{L"chkOption", L"全屏程序在前台时暂停热键", {480, 420, 5160, 300}},
        CheckBox{L"chkOption", L"关机和重启前倒数 5 秒（可取消）", {480, 840, 5160, 300}},
        CheckBox{L"chkOption", L"按住热键不重复启动", {480, 1260, 5160, 300}},
        CheckBox{L"chkOption", L"程序已在运行时切换到它的窗口", {480, 1680, 5160, 300}},
    }};
    ImageButton cmdRestore{L"cmdRestore", L"恢复上一次保存的设置", {240, 2460, 2400, 300},
                           {240, 2505, 2400, 255}};
    ImageButton cmdOK{L"cmdOK", L"确定", {3720, 2460, 960, 300}, {3720, 2505, 960, 255}};
    ImageButton cmdCancel{L"cmdCancel", L"取消", {4920, 2460, 960, 300}, {4920, 2505, 960, 255}};

private:
    void RestFaces();
    // The options as read, so that lines the program does not know go back
    // into the file as they were.
    Options read_;
};

}  // namespace vantrel
