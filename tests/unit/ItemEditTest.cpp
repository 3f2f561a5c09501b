// Planning the inserts and deletes that bring a native list in line with the
// lines it should show.
#include <gtest/gtest.h>

#include "win32/shell/ItemEdit.h"

namespace vantrel::win32 {
namespace {

using Lines = std::vector<std::wstring>;

// Applies a plan the way the shell does and returns the resulting lines.
Lines Apply(Lines shown, const Lines& wanted) {
    const ItemEdit edit = PlanItemEdit(shown, wanted);
    shown.erase(shown.begin() + edit.at, shown.begin() + edit.at + edit.remove);
    shown.insert(shown.begin() + edit.at, wanted.begin() + edit.at,
                 wanted.begin() + edit.at + edit.insert);
    return shown;
}

TEST(PlanItemEdit, TouchesOnlyWhatChanged) {
    const Lines three{L"F5   a", L"F6   b", L"F7   c"};
    EXPECT_TRUE(PlanItemEdit(three, three).None());

    auto added = PlanItemEdit(three, {L"F5   a", L"F6   b", L"F7   c", L"F8   d"});
    EXPECT_EQ(added.at, 3u);
    EXPECT_EQ(added.remove, 0u);
    EXPECT_EQ(added.insert, 1u);

    auto removed = PlanItemEdit(three, {L"F5   a", L"F7   c"});
    EXPECT_EQ(removed.at, 1u);
    EXPECT_EQ(removed.remove, 1u);
    EXPECT_EQ(removed.insert, 0u);

    auto cleared = PlanItemEdit(three, {});
    EXPECT_EQ(cleared.remove, 3u);
    EXPECT_EQ(cleared.insert, 0u);
}

TEST(PlanItemEdit, RepeatedAndReplacedLinesEndAsWanted) {
    const std::vector<std::pair<Lines, Lines>> cases{
        {{L"a", L"a"}, {L"a"}},
        {{L"a"}, {L"a", L"a", L"a"}},
        {{L"a", L"b", L"a"}, {L"a", L"a"}},
        {{L"x", L"y"}, {L"p", L"q", L"r"}},
        {{}, {L"a", L"b"}},
        {{L"a", L"b", L"c", L"b", L"a"}, {L"a", L"b", L"a"}},
    };
    for (auto& [shown, wanted] : cases) EXPECT_EQ(Apply(shown, wanted), wanted);
}

}  // namespace
}  // namespace vantrel::win32
