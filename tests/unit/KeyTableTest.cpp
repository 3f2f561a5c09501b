// Key names, entry texts and the Function.dll line.
#include <gtest/gtest.h>

#include "engine/KeyTable.h"

namespace vantrel {
namespace {

TEST(KeyCodeOf, MapsExactlyTheTenBindableNames) {
    EXPECT_EQ(KeyCodeOf(L"F2"), 0x71);
    EXPECT_EQ(KeyCodeOf(L"F9"), 0x78);
    EXPECT_EQ(KeyCodeOf(L"F10"), 0x79);
    EXPECT_EQ(KeyCodeOf(L"F11"), 0x7A);
    for (const wchar_t* other : {L"无", L"F1", L"F12", L"f5", L"F5 ", L" F5", L"", L"F"})
        EXPECT_EQ(KeyCodeOf(other), 0) << other;
}

TEST(EntryText, TargetStartsAtCharacterSixOrSevenAndKeyNameIsTheFirstFour) {
    EXPECT_EQ(EntryTarget(L"F5   C:\\Music\\list.m3u"), L"C:\\Music\\list.m3u");
    EXPECT_EQ(EntryTarget(L"F10   D:\\游戏\\run.exe  "), L"D:\\游戏\\run.exe");
    EXPECT_EQ(EntryTarget(L"F5"), L"");
    EXPECT_EQ(EntryTarget(L"F5   "), L"");
    EXPECT_EQ(EntryKeyName(L"F5   C:\\a"), L"F5");
    EXPECT_EQ(EntryKeyName(L"F11   C:\\a"), L"F11");
    EXPECT_EQ(EntryKeyName(L"xyz"), L"xyz");
    // The tail of a target split at a comma: its first four characters.
    EXPECT_EQ(EntryKeyName(L"b.txt"), L"b.tx");
}

TEST(SplitFields, KeepsEmptyFieldsButAnEmptyTextHasNone) {
    EXPECT_TRUE(SplitFields(L"").empty());
    EXPECT_EQ(SplitFields(L"a"), (std::vector<std::wstring>{L"a"}));
    EXPECT_EQ(SplitFields(L",a,,b,"), (std::vector<std::wstring>{L"", L"a", L"", L"b", L""}));
    EXPECT_EQ(JoinFields({L"F5   a", L"F6   b"}), L"F5   a,F6   b");
}

TEST(FunctionLine, FieldsGiveCodesAndChoosersShowOnlyKeyNames) {
    const auto slots = ParseFunctionLine(L"F2,F10,F12,abc,,F1, F3,F4,F5");
    ASSERT_EQ(slots.size(), 7u);  // the eighth and ninth field are dropped
    EXPECT_EQ(slots[0].code, 0x71);
    EXPECT_EQ(slots[0].shown, L"F2");
    EXPECT_EQ(slots[1].code, 0x79);
    EXPECT_EQ(slots[1].shown, L"F10");
    // Anything else never fires, and its chooser shows "无".
    for (std::size_t i = 2; i < slots.size(); ++i) {
        EXPECT_EQ(slots[i].code, 0) << i;
        EXPECT_EQ(slots[i].shown, L"无") << i;
    }
    EXPECT_TRUE(ParseFunctionLine(L"").empty());
}

TEST(FunctionLine, IsWrittenAsSevenKeyNamesWhateverTheChoosersHold) {
    // A paste could leave "F2,F3" (two fields), " F3 " or "F12" in a chooser.
    EXPECT_EQ(FormatFunctionLine({L"无", L"F2,F3", L" F3 ", L"F12", L"", L"F11", L"F5"}),
              L"无,无,无,无,无,F11,F5");
}

TEST(KeyTableEntries, ResizeToThePiecesAndDeriveNamesAndCodes) {
    KeyTable table;
    table.SetEntries({L"F5   a.txt", L"F10   b.exe", L"junk"});
    EXPECT_EQ(table.EntryKeyNames, (std::vector<std::wstring>{L"F5", L"F10", L"junk"}));
    EXPECT_EQ(table.EntryKeyCodes, (std::vector<KeyCode>{0x74, 0x79, 0}));
    table.SetEntries({});
    EXPECT_TRUE(table.EntryKeyCodes.empty());
    EXPECT_TRUE(table.EntryKeyNames.empty());
}

}  // namespace
}  // namespace vantrel
