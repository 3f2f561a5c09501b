// A real process saving the pair of files again and again, killed at random
// moments: after the next start's recovery the folder holds exactly one of
// the two pairs, whole, and nothing else.
#include <gtest/gtest.h>

#include <random>

#include "SaveKillChild.h"
#include "TempFolder.h"
#include "engine/SaveJournal.h"
#include "win32/port/Handles.h"
#include "win32/port/Win32Port.h"

namespace vantrel::test {

int RunSaveLoop(const std::wstring& folder, const std::wstring& readyEvent) {
    win32::Win32Port port;
    win32::UniqueHandle ready(::OpenEventW(EVENT_MODIFY_STATE, FALSE, readyEvent.c_str()));
    if (!ready) return 2;
    ::SetEvent(ready.get());
    for (int which = 1;; which ^= 1)
        if (ReplaceTogether(port, SavePair(folder, which)).kind != SaveOutcome::Kind::Saved)
            return 3;
}

namespace {

using Pair = std::pair<std::string, std::string>;

Pair PairOnDisk(const TempFolder& folder) {
    return {ReadRaw(folder / L"Function.dll"), ReadRaw(folder / L"Custom.dll")};
}

// The bytes each pair leaves on disk, as a save that is not interrupted writes them.
Pair SavedBytes(int which) {
    TempFolder folder;
    win32::Win32Port port;
    EXPECT_EQ(ReplaceTogether(port, SavePair(folder.path(), which)).kind, SaveOutcome::Kind::Saved);
    return PairOnDisk(folder);
}

std::wstring ThisExe() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

TEST(KilledSave, EveryKillLeavesOneWholePairAfterRecovery) {
    const Pair pairs[2] = {SavedBytes(0), SavedBytes(1)};
    ASSERT_NE(pairs[0], pairs[1]);
    std::mt19937 random(20261208);
    int seen[2] = {0, 0}, recovered = 0;
    constexpr int kKills = 60;
    for (int round = 0; round < kKills; ++round) {
        TempFolder folder;
        win32::Win32Port port;
        ASSERT_EQ(ReplaceTogether(port, SavePair(folder.path(), 0)).kind, SaveOutcome::Kind::Saved);

        const std::wstring eventName = L"VantrelSaveLoopReady" + std::to_wstring(round) + L"-" +
                                       std::to_wstring(::GetCurrentProcessId());
        win32::UniqueHandle ready(::CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
        std::wstring command = L"\"" + ThisExe() + L"\" " + kChildSaveLoopFlag + L" \"" +
                               folder.path() + L"\" " + eventName;
        STARTUPINFOW startup{sizeof(startup)};
        PROCESS_INFORMATION child{};
        // Wine now and then fails to start a process right after killing
        // one (ERROR_INTERNAL_ERROR); a second try starts it.
        bool started = false;
        for (int attempt = 0; attempt < 5 && !started; ++attempt) {
            started = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                       nullptr, &startup, &child);
            if (!started) ::Sleep(200);
        }
        ASSERT_TRUE(started) << "round " << round << ", error " << ::GetLastError();
        win32::UniqueHandle process(child.hProcess), thread(child.hThread);
        ASSERT_EQ(::WaitForSingleObject(ready.get(), 30000), WAIT_OBJECT_0);
        ::Sleep(std::uniform_int_distribution<int>(0, 40)(random));
        ASSERT_TRUE(::TerminateProcess(process.get(), 9));
        ASSERT_EQ(::WaitForSingleObject(process.get(), 30000), WAIT_OBJECT_0);
        DWORD code = 0;
        ::GetExitCodeProcess(process.get(), &code);
        ASSERT_EQ(code, 9u) << "the child stopped saving by itself";

        // What the next start does before it reads the files.
        if (::GetFileAttributesW((folder / kJournalName).c_str()) != INVALID_FILE_ATTRIBUTES)
            ++recovered;
        ASSERT_TRUE(FinishInterruptedSave(port, folder.path(), {L"Function.dll", L"Custom.dll"}));
        EXPECT_EQ(folder.List(), (std::vector<std::wstring>{L"Custom.dll", L"Function.dll"}))
            << "round " << round;
        const Pair onDisk = PairOnDisk(folder);
        const bool whole = onDisk == pairs[0] || onDisk == pairs[1];
        EXPECT_TRUE(whole) << "round " << round << ": a mix or a cut file";
        if (whole) ++seen[onDisk == pairs[0] ? 0 : 1];
    }
    std::printf("killed %d saves: %d left pair 0, %d pair 1, %d finished from the journal\n",
                kKills, seen[0], seen[1], recovered);
    // The kills fell inside saves, not only between them.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(recovered, 0);
}

}  // namespace
}  // namespace vantrel::test
