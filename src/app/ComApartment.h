// COM on the UI thread: a single-threaded apartment without OLE1 DDE, as the
// shell's functions (ShellExecute) and the common dialogs require, for the
// life of the object.
#pragma once

#include <objbase.h>

namespace vantrel::win32 {

class ComApartment {
public:
    ComApartment()
        : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    // Every successful initialisation (S_FALSE included) is balanced.
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    bool Initialised() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

}  // namespace vantrel::win32
