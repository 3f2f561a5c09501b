// Holds a file open without any sharing, as another program might, for the
// end-to-end tests:  hold.exe <path> <seconds>
// Prints "held" once the file is open, or "cannot open" and exits 1.
#include "Utf8Out.h"

#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    HANDLE file = ::CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        PrintUtf8(L"cannot open\n");
        return 1;
    }
    PrintUtf8(L"held\n");
    ::Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) * 1000);
    ::CloseHandle(file);
    return 0;
}
