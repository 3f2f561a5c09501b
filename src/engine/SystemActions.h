// The six built-in actions a system slot's key runs.
#pragma once

#include <string>

#include "engine/KeyMonitor.h"
#include "platform/Port.h"

namespace vantrel {

// What the actions need of the main window.
struct ActionContext {
    WindowHandle window = 0;       // the main window
    std::wstring startPage;        // the browser start page read at the last load
    std::wstring programFolder;    // working folder for the shell
};

// Runs one action. Every failure is silent; nothing is returned.
void RunSystemAction(SystemAction action, Port& port, const ActionContext& context);

}  // namespace vantrel
