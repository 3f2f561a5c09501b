// Sequences whose steps never stop them: the start-up and each key-monitor
// tick. A step that throws is traced and skipped, and the next one runs.
#pragma once

#include "platform/Port.h"

namespace vantrel {

template <class Step>
void RunStep(Port& port, const wchar_t* name, Step&& step) {
    try {
        step();
    } catch (...) {
        port.TraceCaughtException(name);
    }
}

}  // namespace vantrel
