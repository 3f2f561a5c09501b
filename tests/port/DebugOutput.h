// What the program writes with OutputDebugString, caught in-process: the
// system raises it as a "debug print" exception (wide on newer Windows,
// narrow on Wine) that a vectored handler sees before any debugger would.
#pragma once

#include <windows.h>

#include <string>

namespace vantrel::test {

class DebugOutput {
public:
    DebugOutput() {
        text_().clear();
        handler_ = AddVectoredExceptionHandler(1, &DebugOutput::Seen);
    }
    ~DebugOutput() {
        if (handler_) RemoveVectoredExceptionHandler(handler_);
    }
    DebugOutput(const DebugOutput&) = delete;
    DebugOutput& operator=(const DebugOutput&) = delete;

    // Everything written since construction, narrow text widened byte by byte.
    const std::wstring& Text() const { return text_(); }

private:
    static constexpr DWORD kPrintNarrow = 0x40010006;  // DBG_PRINTEXCEPTION_C
    static constexpr DWORD kPrintWide = 0x4001000A;    // DBG_PRINTEXCEPTION_WIDE_C

    static std::wstring& text_() {
        static std::wstring text;
        return text;
    }

    static LONG CALLBACK Seen(EXCEPTION_POINTERS* exception) {
        const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
        if (record.NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
        if (record.ExceptionCode == kPrintWide) {
            text_() += reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]);
            return EXCEPTION_CONTINUE_EXECUTION;
        }
        if (record.ExceptionCode == kPrintNarrow) {
            for (const char* p = reinterpret_cast<const char*>(record.ExceptionInformation[1]); *p; ++p)
                text_() += static_cast<wchar_t>(static_cast<unsigned char>(*p));
            return EXCEPTION_CONTINUE_EXECUTION;
        }
        return EXCEPTION_CONTINUE_SEARCH;
    }

    void* handler_ = nullptr;
};

}  // namespace vantrel::test
