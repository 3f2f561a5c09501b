// Prints what a start and a key-monitor tick cost with a very large
// Custom.dll: load time, tick time, key queries per tick and peak memory.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "fake/FakePort.h"
#include "ui/forms/Application.h"
#include "ui/main/Form1.h"

using namespace vantrel;
using Clock = std::chrono::steady_clock;

static double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int main() {
    testing::FakePort port;
    std::string custom;
    const char* keys[] = {"F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11"};
    for (int i = 0; custom.size() < (10u << 20); ++i) {
        if (i) custom += ',';
        custom += std::string(keys[i % 10]) + "   " +
                  "C:\\Music\\Album " + std::to_string(i) + "\\track.mp3";
    }
    custom += "\r\n";
    port.PutFile(L"\\Custom.dll", custom);
    port.PutFile(L"\\Function.dll", "F2,F3,F4,F5,F6,F7,F8\r\n");

    Application app{port};
    auto start = Clock::now();
    Form1& form = app.Get<Form1>();
    const double loadMs = MsSince(start);
    const auto entries = form.Table().EntryTexts.size();

    const int ticks = 200;
    port.keyQueries.clear();
    start = Clock::now();
    for (int i = 0; i < ticks; ++i) form.Timer1_Timer();
    const double idleTickMs = MsSince(start) / ticks;
    const double queriesPerTick = double(port.keyQueries.size()) / ticks;

    port.keysDown = {0x7A};  // F11: bound to about a tenth of the entries
    start = Clock::now();
    form.Timer1_Timer();
    const double launchTickMs = MsSince(start);
    const auto launched = port.CallsTo(L"ShellExecute").size();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("Custom.dll: %.1f MiB, %zu entries\n", custom.size() / 1048576.0, entries);
    std::printf("start-up load: %.1f ms\n", loadMs);
    std::printf("idle tick: %.3f ms, %.1f key queries per tick (bound: 7 + entries)\n", idleTickMs,
                queriesPerTick);
    std::printf("tick launching %zu entries: %.1f ms\n", launched, launchTickMs);
    std::printf("peak memory: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
