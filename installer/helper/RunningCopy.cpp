// The installer's helper for a Vantrel that is running while its files are
// replaced or removed. Extracted to the installer's temporary folder and run
// as
//
//   RunningCopy.exe check <folder>   is <folder>\Vantrel.exe running?
//       0 no, 1 yes, 3 yes, out of our reach
//   RunningCopy.exe end <folder>     end the copies of <folder>\Vantrel.exe
//       0 none was running, 1 ended through its own exit (WM_CLOSE),
//       2 ended, at least one terminated after it did not end in time,
//       3 still running: out of our reach (an elevated copy)
//   RunningCopy.exe start <folder>   start <folder>\Vantrel.exe as the user
//       0 started, 1 not started
//
// Copies elsewhere (a portable one) are never touched: a copy is found by the
// image path of its process. 64 is a wrong command line.
#include "EndCopies.h"
#include "StartAsUser.h"

namespace {

constexpr int kUsage = 64;

int Check(const std::wstring& program) {
    using namespace vantrel::setup;
    const RunningCopies found = FindRunningCopies(program);
    if (!found.ours.empty()) return 1;
    return found.unreadable > 0 && FileInUse(program) ? 3 : 0;
}

int End(const std::wstring& program) {
    using vantrel::setup::EndResult;
    switch (vantrel::setup::EndRunningCopies(program)) {
    case EndResult::NoneRunning: return 0;
    case EndResult::Ended: return 1;
    case EndResult::Terminated: return 2;
    case EndResult::OutOfReach: return 3;
    }
    return 3;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || !*argv[2]) return kUsage;
    const std::wstring command = argv[1];
    const std::wstring program = vantrel::setup::ProgramPath(argv[2]);
    if (command == L"check") return Check(program);
    if (command == L"end") return End(program);
    if (command == L"start") return vantrel::setup::StartAsUser(program) ? 0 : 1;
    return kUsage;
}
