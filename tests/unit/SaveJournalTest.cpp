// A save of both files killed at any point: after the next start the folder
// holds the old pair or the new pair, never a mix, and nothing staged is left.
#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/SaveJournal.h"
#include "engine/SaveTransaction.h"
#include "fake/FakePort.h"

namespace vantrel::testing {
namespace {

struct Killed : std::runtime_error {
    Killed() : std::runtime_error("killed") {}
};

const std::wstring kFolder = L"C:\\Vantrel";
const std::wstring kFunction = kFolder + L"\\Function.dll", kCustom = kFolder + L"\\Custom.dll";
const std::vector<std::wstring> kNames{L"Function.dll", L"Custom.dll"};
using Files = std::map<std::wstring, std::string>;

bool Mutates(const std::wstring& call) {
    for (const wchar_t* name : {L"WriteLine(", L"WriteBytes(", L"MoveFileOver(", L"RemoveFile("})
        if (call.rfind(name, 0) == 0) return true;
    return false;
}

class InterruptedSaveTest : public ::testing::Test {
protected:
    const Files oldFiles{{kFunction, "F2,\xCE\xDE\r\n"}, {kCustom, "F5   C:\\a.txt\r\n"}};
    std::vector<FileChange> changes{{kFunction, "F3,\xCE\xDE"}, {kCustom, "F6   C:\\b.txt"}};

    // Runs the save with the process killed before its `killAt`-th change
    // to the disk; true when it ran to the end first.
    bool SaveKilledAt(FakePort& port, int killAt, SaveOutcome* outcome = nullptr) {
        int count = 0;
        port.during = [&](const std::wstring& call) {
            if (Mutates(call) && count++ == killAt) throw Killed();
        };
        try {
            const SaveOutcome result = ReplaceTogether(port, changes);
            if (outcome) *outcome = result;
        } catch (const Killed&) {
            port.during = nullptr;
            return false;
        }
        port.during = nullptr;
        return true;
    }
    // What the next start leaves on disk.
    Files AfterRestart(FakePort& port) {
        port.unwritable.clear();
        EXPECT_TRUE(FinishInterruptedSave(port, kFolder, kNames));
        return port.files;
    }
    Files NewFiles() {
        FakePort port;
        port.files = oldFiles;
        EXPECT_EQ(ReplaceTogether(port, changes).kind, SaveOutcome::Kind::Saved);
        return port.files;
    }
};

TEST_F(InterruptedSaveTest, KilledAnywhereLeavesTheOldPairOrTheNewPair) {
    const Files newFiles = NewFiles();
    ASSERT_NE(newFiles, oldFiles);
    for (bool removeCustom : {false, true}) {
        if (removeCustom) changes[1].line.reset();
        const Files expectedNew = removeCustom ? Files{{kFunction, newFiles.at(kFunction)}} : newFiles;
        int olds = 0, news = 0;
        for (int killAt = 0;; ++killAt) {
            FakePort port;
            port.files = oldFiles;
            const bool finished = SaveKilledAt(port, killAt);
            const Files after = AfterRestart(port);
            EXPECT_TRUE(after == oldFiles || after == expectedNew) << "killed before change " << killAt;
            (after == oldFiles ? olds : news)++;
            if (finished) break;
        }
        // Kills before the journal lands undo the save, later ones finish it.
        EXPECT_GE(olds, 2);
        EXPECT_GE(news, 3);
    }
}

TEST_F(InterruptedSaveTest, KilledWhileUndoingAFailedSwapStillLeavesAPair) {
    const Files newFiles = NewFiles();
    int killAt = 0;
    for (;; ++killAt) {
        FakePort port;
        port.files = oldFiles;
        port.unwritable.insert(kCustom);  // held open by another program
        SaveOutcome outcome;
        const bool finished = SaveKilledAt(port, killAt, &outcome);
        if (finished) {
            EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Unchanged);
            EXPECT_EQ(outcome.failedPath, kCustom);
            EXPECT_EQ(port.files, oldFiles);  // undone, nothing staged left
        }
        // The other program has let go by the next start.
        const Files after = AfterRestart(port);
        EXPECT_TRUE(after == oldFiles || after == newFiles) << "killed before change " << killAt;
        if (finished) break;
    }
    EXPECT_GT(killAt, 5);  // the undo's own steps were interrupted too
}

TEST_F(InterruptedSaveTest, AFaultBeforeAnyFileChangedLeavesTheFolderAsItWas) {
    FakePort port;
    port.files = oldFiles;
    port.unwritable.insert(kCustom + kNewSuffix);  // no room for the staged copy
    const SaveOutcome outcome = ReplaceTogether(port, changes);
    EXPECT_EQ(outcome.kind, SaveOutcome::Kind::Unchanged);
    EXPECT_EQ(outcome.failedPath, kCustom);
    EXPECT_EQ(port.files, oldFiles);
    EXPECT_TRUE(port.CallsTo(L"MoveFileOver").empty());

    port.unwritable = {InFolder(kFolder, kJournalName)};
    EXPECT_EQ(ReplaceTogether(port, changes).kind, SaveOutcome::Kind::Unchanged);
    EXPECT_EQ(port.files, oldFiles);

    // The first swap refused: nothing to put back, and no journal left for
    // the next start to act on.
    port.unwritable = {kFunction};
    const SaveOutcome refused = ReplaceTogether(port, changes);
    EXPECT_EQ(refused.kind, SaveOutcome::Kind::Unchanged);
    EXPECT_EQ(refused.failedPath, kFunction);
    EXPECT_EQ(port.files, oldFiles);
}

TEST_F(InterruptedSaveTest, AJournalNeverReachesOutsideItsFolder) {
    EXPECT_EQ(ParseJournal(FormatJournal({{JournalStep::Kind::TakeNew, L"Function.dll"},
                                          {JournalStep::Kind::Remove, L"Custom.dll"},
                                          {JournalStep::Kind::TakeOld, L"a b.dll"}})),
              (Journal{{JournalStep::Kind::TakeNew, L"Function.dll"},
                       {JournalStep::Kind::Remove, L"Custom.dll"},
                       {JournalStep::Kind::TakeOld, L"a b.dll"}}));
    for (const wchar_t* bad : {L"Vantrel save|del:..\\x.dll", L"Vantrel save|del:C:\\x.dll",
                               L"Vantrel save|del:..", L"Vantrel save|cut:a", L"Vantrel save|del:",
                               L"Other|del:a", L""})
        EXPECT_FALSE(ParseJournal(bad)) << bad;

    // A record the program did not write, or naming another file of the
    // folder, is dropped without following it.
    for (const wchar_t* foreign : {L"Vantrel save|del:..\\Custom.dll", L"Vantrel save|del:Vantrel.exe",
                                   L"Vantrel save|del:Custom.dll|del:keep.txt"}) {
        FakePort port;
        port.files = oldFiles;
        port.PutFile(L"\\Vantrel.exe", "MZ");
        port.PutFile(L"\\keep.txt", "x");
        const Files before = port.files;
        port.PutText(L"\\Save.pending", foreign);
        EXPECT_TRUE(FinishInterruptedSave(port, kFolder, kNames));
        EXPECT_EQ(port.files, before) << foreign;
    }
}

}  // namespace
}  // namespace vantrel::testing
