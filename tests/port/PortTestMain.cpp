// The port tests' entry point. The program is linked with -municode, so the
// entry is wmain. Started with kChildInstanceFlag it is the helper process of
// the single-instance tests instead: it claims the instance and answers
// through its exit code.
#include <gtest/gtest.h>

#include <cwchar>

#include "SaveKillChild.h"
#include "SessionChild.h"
#include "win32/port/Win32Port.h"

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], vantrel::test::kChildInstanceFlag) == 0) {
        vantrel::win32::Win32Port port;
        return port.AnotherInstanceRunning() ? vantrel::test::kChildSawAnother
                                             : vantrel::test::kChildSawNone;
    }
    if (argc == 4 && std::wcscmp(argv[1], vantrel::test::kChildSaveLoopFlag) == 0)
        return vantrel::test::RunSaveLoop(argv[2], argv[3]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
