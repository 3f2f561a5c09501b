// Stands in for one function this test program imports from a system DLL,
// for the life of the object: the program's own calls (the port's code is
// linked into it) go to the replacement, which may call Original(). Used
// where Windows is asked for something Wine cannot show: a flush to disk,
// an injected key press, the foreground.
#pragma once

#include "win32/port/Win32Api.h"

namespace vantrel::test {

class ImportHook {
public:
    // dll as the program imports it ("kernel32.dll", "user32.dll").
    ImportHook(const char* dll, const char* function, void* replacement);
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;
    ~ImportHook();

    // False when the program does not import the function from that DLL.
    bool Active() const { return slot_ != nullptr; }
    template <class Function>
    Function Original() const {
        return reinterpret_cast<Function>(original_);
    }

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};

}  // namespace vantrel::test
