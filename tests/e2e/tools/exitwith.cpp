// Stands in for a program whose exit code a test chooses, such as the
// installer's helper RunningCopy.exe: exits with the number in the
// environment variable EXIT_WITH (0 when it is not set).
#include <cstdlib>

int wmain() {
    const wchar_t* code = _wgetenv(L"EXIT_WITH");
    return code ? _wtoi(code) : 0;
}
