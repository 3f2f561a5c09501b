// The usual test set-up: a fake port and host, and an application on them.
#pragma once

#include <gtest/gtest.h>

#include "fake/FakeHost.h"
#include "fake/FakePort.h"
#include "ui/forms/Application.h"
#include "ui/main/Form1.h"

namespace vantrel::testing {

constexpr int kF2 = 0x71, kF3 = 0x72, kF5 = 0x74, kF6 = 0x75, kF10 = 0x79, kF11 = 0x7A, kF12 = 0x7B;

class AppTest : public ::testing::Test {
protected:
    FakePort port;
    FakeHost host;
    Application app{port, &host};

    Form1& Start() { return app.Get<Form1>(); }
    // Holds the keys down for one tick of the key monitor.
    void Tick(Form1& form, std::set<int> keys) {
        port.HoldKeys(std::move(keys));
        form.Timer1_Timer();
        port.HoldKeys({});
    }
    // The shell call that launches a target from the main window.
    std::wstring Launch(const Form1& form, const std::wstring& target) const {
        return L"ShellExecute(" + std::to_wstring(form.hWnd()) + L",Open," + target + L",," +
               port.folder + L",1)";
    }
};

}  // namespace vantrel::testing
