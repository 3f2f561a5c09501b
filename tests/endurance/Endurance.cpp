// Endurance run of the whole program in one process under Wine: starts the
// program as Vantrel.exe does (app/Program.h: the real Win32 port and shell),
// then drives, through the handlers the tray menu's items and the
// "保存设置" button call, many pause/resume cycles and many saves, pumping
// messages between steps. GUI objects, private bytes and the
// notification-area icons are measured before, after a warm-up, at
// checkpoints and at the end, printed as a table and checked against the
// bounds below.
//
//   endurance.exe [CYCLES [SAVES]]      (default 1000 1000)
//
// Exit 0 when every bound holds, 1 when one does not, 2 when the run could
// not be made. It writes Function.dll and Custom.dll beside itself.
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "Drive.h"
#include "Figures.h"
#include "Report.h"
#include "app/ComApartment.h"
#include "app/Program.h"

namespace vantrel::endurance {
namespace {

// Pause/resume cycles and saves before the baseline: windows, fonts and
// pictures made on first use stay for the life of the process.
constexpr int kWarmUpSteps = 20;
// Checkpoints per phase.
constexpr int kCheckpoints = 4;

bool AtCheckpoint(int step, int steps) {
    const int every = (steps + kCheckpoints - 1) / kCheckpoints;
    return step % every == 0 || step == steps;
}

int Run(int cycles, int saves) {
    std::wstring why;
    if (!CountersWork(why)) {
        std::fwprintf(stderr, L"endurance: cannot count objects: %ls\n", why.c_str());
        return 2;
    }
    // Measured before the program's windows exist: its own statics are not in the sum.
    const std::size_t staticLeak = StaticControlLeakBytes();
    win32::Program program(GetModuleHandleW(nullptr));
    Driver driver(program);
    if (!driver.WriteStartFiles(why)) {
        std::fwprintf(stderr, L"endurance: %ls\n", why.c_str());
        return 2;
    }

    Report report(staticLeak);
    report.Add(L"before start", 0, 0, Measure(), 0);
    if (!driver.Start(why)) {
        std::fwprintf(stderr, L"endurance: start-up: %ls\n", why.c_str());
        return 2;
    }
    report.Add(L"started", 0, 0, driver.Settled(), driver.StaticsDestroyed());

    int paused = 0, saved = 0;
    auto fail = [&](const std::wstring& what) {
        std::fwprintf(stderr, L"endurance: after %d cycles and %d saves: %ls\n", paused, saved,
                      what.c_str());
        report.Print();
        return 1;
    };

    for (int i = 0; i < kWarmUpSteps; ++i, ++paused)
        if (!driver.PauseAndResume(why)) return fail(why);
    if (!driver.OpenMainWindow(why)) return fail(why);
    for (int i = 0; i < kWarmUpSteps; ++i, ++saved)
        if (!driver.SaveOnce(saved, why)) return fail(why);
    if (!driver.BackToMonitoring(why)) return fail(why);
    report.SetBaseline(
        report.Add(L"warmed up", paused, saved, driver.Settled(), driver.StaticsDestroyed()));

    for (int i = 1; i <= cycles; ++i, ++paused) {
        if (!driver.PauseAndResume(why)) return fail(why);
        if (AtCheckpoint(i, cycles))
            report.Add(L"pause/resume", paused + 1, saved, driver.Settled(),
                       driver.StaticsDestroyed());
    }
    if (!driver.OpenMainWindow(why)) return fail(why);
    report.Mark(L"window open", paused, saved, driver.Settled(), driver.StaticsDestroyed());
    for (int i = 1; i <= saves; ++i, ++saved) {
        if (!driver.SaveOnce(saved, why)) return fail(why);
        if (AtCheckpoint(i, saves))
            report.Add(L"saves", paused, saved + 1, driver.Settled(), driver.StaticsDestroyed());
    }
    if (!driver.BackToMonitoring(why)) return fail(why);
    report.Add(L"end", paused, saved, driver.Settled(), driver.StaticsDestroyed());

    report.Print();
    const std::vector<std::wstring> failures = report.Failures();
    for (const auto& failure : failures) std::fwprintf(stderr, L"endurance: FAIL %ls\n", failure.c_str());
    if (!failures.empty()) return 1;
    std::wprintf(L"endurance: every bound holds\n");
    return 0;
}

int Count(const wchar_t* text, int fallback) {
    if (!text) return fallback;
    wchar_t* end = nullptr;
    const long value = std::wcstol(text, &end, 10);
    return end && *end == 0 && value > 0 && value <= 1000000 ? static_cast<int>(value) : -1;
}

}  // namespace
}  // namespace vantrel::endurance

int wmain(int argc, wchar_t** argv) {
    const int cycles = vantrel::endurance::Count(argc > 1 ? argv[1] : nullptr, 1000);
    const int saves = vantrel::endurance::Count(argc > 2 ? argv[2] : nullptr, 1000);
    if (cycles < 0 || saves < 0) {
        std::fwprintf(stderr, L"usage: endurance.exe [CYCLES [SAVES]] (1 to 1000000 each)\n");
        return 2;
    }
    vantrel::win32::ComApartment com;
    return vantrel::endurance::Run(cycles, saves);
}
