// What the shell holds of one control of a form: the control, its native
// window (or none), and what it last mirrored into that window.
#pragma once

#include "win32/shell/Win32.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "win32/shell/BrowserHost.h"
#include "ui/forms/Controls.h"

namespace vantrel::win32 {

class FormWindow;

struct ChildWindow {
    FormWindow* owner = nullptr;
    Control* control = nullptr;
    int index = 0;                     // in the form: numbers its window and its timer
    HWND hwnd = nullptr;
    bool drawn = false;                // drawn by the form, with no window (DrawnControls.h)
    WNDPROC original = nullptr;        // the control class's procedure
    HWND edit = nullptr;               // a chooser's edit field
    WNDPROC editOriginal = nullptr;
    std::uint64_t pushed = 0;          // revision last mirrored
    std::vector<std::wstring> shown;   // items the list or chooser holds
    std::vector<int> keysDown;         // a chooser's keys whose KeyDown ran, not yet up
    std::unique_ptr<BrowserHost> browser;  // a web browser's control
    bool tipAdded = false;
};

}  // namespace vantrel::win32
