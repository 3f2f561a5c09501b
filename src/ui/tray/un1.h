// un1: the exit confirmation. "是" removes the tray icon and ends the
// process at once; "否" and the close box go back to where the user was.
#pragma once

#include "ui/forms/Application.h"

namespace vantrel {

class un1 : public Form {
public:
    explicit un1(Application& app);
    void Form_Unload() override;
    void Command1_Click();
    void Command2_Click();

    // Sets the caption and question every caller uses, then shows it modally.
    static void ShowExitConfirmation(Application& app);

    Label Label1{L"Label1", L"", {900, 360, 3120, 480}};
    CommandButton Command1{L"Command1", L"是", {840, 1140, 1200, 420}};
    CommandButton Command2{L"Command2", L"否", {2280, 1140, 1200, 420}};
};

}  // namespace vantrel
