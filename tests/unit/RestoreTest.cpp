// "恢复上一次保存的设置": every save keeps the pair it replaced, a restore
// swaps the two pairs all or nothing, and a second restore swaps back.
#include <stdexcept>

#include "engine/PreviousPair.h"
#include "fake/Fixture.h"
#include "ui/settings/Form3.h"

namespace vantrel::testing {
namespace {

const std::string kFirstFunction = "F2,\xCE\xDE,\xCE\xDE,\xCE\xDE,\xCE\xDE,\xCE\xDE,\xCE\xDE\r\n";
// Kept byte for byte, whatever the save writes.
const std::string kFirstCustom = "F5   C:\\\xD2\xF4\xC0\xD6\\list.m3u ,F6   D:\\run.exe\r\n";

class RestoreTest : public AppTest {
protected:
    Form1* form = nullptr;
    Form3& Options() { return app.Get<Form3>(); }
    // The user picks F3 for restart and saves.
    void SaveAnEdit() {
        form->cmbChooseKey[1].SetText(L"F3");
        form->cmdApplyt_Click();
    }
    void Restore(int answer = kIdYes) {
        port.messageAnswer = answer;
        Options().cmdRestore.Click();
        port.messageAnswer = kIdOk;
    }
};

TEST_F(RestoreTest, ASaveKeepsThePairItReplacedAndRestoreSwapsBackAndForth) {
    port.PutFile(L"\\Function.dll", kFirstFunction);
    port.PutFile(L"\\Custom.dll", kFirstCustom);
    form = &Start();
    EXPECT_FALSE(Options().cmdRestore.Enabled());  // nothing saved yet
    Options().cmdCancel.Click();
    SaveAnEdit();
    const std::string saved = port.Bytes(L"\\Function.dll");
    EXPECT_EQ(port.Bytes(L"\\Function.dll.prev"), kFirstFunction);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll.prev"), kFirstCustom);
    EXPECT_TRUE(Options().cmdRestore.Enabled());

    // Asked first: "否" changes nothing.
    Restore(kIdOk + 6);
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), saved);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].style, unsigned(MbYesNo | MbIconQuestion));

    form->Check1.SetValue(0);  // as the menu that opened 个性化设置 left it
    Restore();
    EXPECT_EQ(form->Check1.Value(), 0);  // not put on top over the open dialog
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), kFirstFunction);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll"), kFirstCustom);  // byte for byte
    EXPECT_EQ(port.Bytes(L"\\Function.dll.prev"), saved);
    EXPECT_EQ(port.messages.back().text, L"已恢复上一次保存的设置。");
    // The window and the monitor follow the files, with nothing left to save.
    EXPECT_EQ(form->cmbChooseKey[1].Text(), L"无");
    EXPECT_EQ(form->Table().SystemKeys[1], 0);
    EXPECT_FALSE(form->cmdApplyt.Enabled());

    Restore();
    EXPECT_EQ(port.Bytes(L"\\Function.dll"), saved);
    EXPECT_EQ(form->Table().SystemKeys[1], 0x72);
    EXPECT_EQ(port.Bytes(L"\\Custom.dll.prev"), kFirstCustom);
}

TEST_F(RestoreTest, AnAbsentFileIsRestoredAsAbsentAndAFirstStartIsNeverBroughtBack) {
    form = &Start();  // the first start: neither file
    port.messages.clear();
    SaveAnEdit();
    EXPECT_EQ(port.Bytes(L"\\Previous.pair"), "Function.dll=0,Custom.dll=0\r\n");
    EXPECT_FALSE(Options().cmdRestore.Enabled());

    form->List1.AddItem(L"F5   C:\\a.txt");
    form->cmdApplyt_Click();
    EXPECT_EQ(port.Bytes(L"\\Previous.pair"), "Function.dll=1,Custom.dll=0\r\n");
    EXPECT_FALSE(port.Has(L"\\Custom.dll.prev"));
    Restore();
    EXPECT_FALSE(port.Has(L"\\Custom.dll"));
    EXPECT_TRUE(form->List1.Items().empty());
    Restore();
    EXPECT_TRUE(port.Has(L"\\Custom.dll"));
    EXPECT_EQ(form->List1.Items(), (std::vector<std::wstring>{L"F5   C:\\a.txt"}));
}

struct Killed : std::runtime_error {
    Killed() : std::runtime_error("killed") {}
};

TEST_F(RestoreTest, ARestoreCutShortIsFinishedOrUndoneAtTheNextStart) {
    port.PutFile(L"\\Function.dll", kFirstFunction);
    port.PutFile(L"\\Custom.dll", kFirstCustom);
    form = &Start();
    SaveAnEdit();
    const auto before = port.files;
    FakePort after;  // the same restore, never cut short
    after.files = before;
    ASSERT_EQ(RestorePreviousPair(after, after.folder).kind, SaveOutcome::Kind::Saved);
    for (int killAt = 0;; ++killAt) {
        FakePort killed;
        killed.files = before;
        int count = 0;
        killed.during = [&](const std::wstring& call) {
            for (const wchar_t* change : {L"WriteLine(", L"WriteBytes(", L"MoveFileOver(", L"RemoveFile("})
                if (call.rfind(change, 0) == 0 && count++ == killAt) throw Killed();
        };
        bool finished = false;
        try {
            finished = RestorePreviousPair(killed, killed.folder).kind == SaveOutcome::Kind::Saved;
        } catch (const Killed&) {
        }
        killed.during = nullptr;
        // The next start: its load finishes what the journal records.
        Application restarted{killed, nullptr};
        restarted.Get<Form1>();
        EXPECT_TRUE(killed.files == before || killed.files == after.files) << "killed at change " << killAt;
        if (finished) break;
    }
}

}  // namespace
}  // namespace vantrel::testing
