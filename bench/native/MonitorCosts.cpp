// What the key monitor costs natively, against the recording fake port: one
// idle Timer1 tick with 10 and with 1,000 entries, and the start-up's load
// of a 10,000-entry Custom.dll (the whole Form1 load, and the table alone).
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "engine/KeyTable.h"
#include "fake/FakePort.h"
#include "ui/forms/Application.h"
#include "ui/main/Form1.h"

namespace {

using vantrel::Application;
using vantrel::Form1;
using vantrel::testing::FakePort;

// A Custom.dll line of `count` entries spread over F2..F11, as the program
// writes it (GBK, one line, CR LF), and a Function.dll with no system key.
void PutTable(FakePort& port, int count) {
    static const char* keys[] = {"F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11"};
    std::string line;
    for (int i = 0; i < count; ++i) {
        if (i) line += ',';
        line += keys[i % 10];
        line += "   C:\\Music\\Album " + std::to_string(i) + "\\track.mp3";
    }
    port.PutFile(L"\\Custom.dll", line + "\r\n");
    port.PutFile(L"\\Function.dll", "\xce\xde,\xce\xde,\xce\xde,\xce\xde,\xce\xde,\xce\xde,\xce\xde\r\n");
}

void BM_IdleTick(benchmark::State& state) {
    FakePort port;
    PutTable(port, static_cast<int>(state.range(0)));
    Application app{port};
    Form1& form = app.Get<Form1>();
    if (form.Table().EntryTexts.size() != static_cast<std::size_t>(state.range(0)))
        state.SkipWithError("the table did not load every entry");
    std::size_t queries = 0;
    for (auto _ : state) {
        form.Timer1_Timer();
        // The fake records each key query; keep that list from growing.
        queries += port.keyQueries.size();
        port.keyQueries.clear();
    }
    if (!port.CallsTo(L"ShellExecute").empty()) state.SkipWithError("an idle tick launched");
    state.counters["entries"] = static_cast<double>(state.range(0));
    state.counters["key_queries_per_tick"] =
        benchmark::Counter(static_cast<double>(queries), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_IdleTick)->Arg(10)->Arg(1000);

// The whole start-up load: Form1 and the forms its load creates, the
// choosers and the list filled from the files.
void BM_StartUpLoad(benchmark::State& state) {
    FakePort port;
    PutTable(port, static_cast<int>(state.range(0)));
    std::size_t loaded = 0;
    for (auto _ : state) {
        std::optional<Application> app;
        app.emplace(port);
        loaded = app->Get<Form1>().Table().EntryTexts.size();
        state.PauseTiming();
        app.reset();
        state.ResumeTiming();
    }
    if (loaded != static_cast<std::size_t>(state.range(0)))
        state.SkipWithError("the table did not load every entry");
    state.counters["entries"] = static_cast<double>(loaded);
}
BENCHMARK(BM_StartUpLoad)->Arg(10000)->Unit(benchmark::kMillisecond);

// The table alone: Custom.dll read and decoded, split and keyed, as the
// monitor's table holds it.
void BM_ReadCustomDll(benchmark::State& state) {
    FakePort port;
    PutTable(port, static_cast<int>(state.range(0)));
    const std::wstring path = port.Path(vantrel::kCustomFile);
    std::size_t loaded = 0;
    for (auto _ : state) {
        vantrel::KeyTable table;
        std::wstring joined;
        if (const auto lines = port.ReadLines(path))
            for (const auto& line : *lines) joined += line;
        table.SetEntries(vantrel::SplitFields(joined));
        loaded = table.EntryKeyCodes.size();
        benchmark::DoNotOptimize(table);
    }
    if (loaded != static_cast<std::size_t>(state.range(0)))
        state.SkipWithError("the table did not load every entry");
    state.counters["entries"] = static_cast<double>(loaded);
}
BENCHMARK(BM_ReadCustomDll)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
