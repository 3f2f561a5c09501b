// Form lifetime and the control behaviours that handlers rely on.
#include "fake/Fixture.h"

namespace vantrel::testing {
namespace {

class Probe : public Form {
public:
    explicit Probe(Application& app) : Form(app, L"Probe", L"Probe", {0, 0, 100, 100}) {}
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(int&, UnloadMode) override { order += L"Q"; stillLoadedWhileUnloading = app.IsLoaded<Probe>(); }
    void Form_Unload() override { order += L"U"; }
    int loads = 0;
    std::wstring order;
    bool stillLoadedWhileUnloading = false;
};

TEST_F(AppTest, AReferenceLoadsOnceAndUnloadingLetsTheNextReferenceLoadAnew) {
    Probe& first = app.Get<Probe>();
    app.Get<Probe>();
    EXPECT_EQ(first.loads, 1);
    EXPECT_NE(first.hWnd(), 0u);
    app.Unload(first);
    EXPECT_EQ(first.order, L"QU");
    EXPECT_TRUE(first.stillLoadedWhileUnloading);
    EXPECT_FALSE(app.IsLoaded<Probe>());
    EXPECT_EQ(first.hWnd(), 0u);  // still alive until collected, but windowless
    Probe& second = app.Get<Probe>();
    EXPECT_EQ(second.loads, 1);
    EXPECT_NE(&first, &second);
    app.CollectUnloaded();
    EXPECT_EQ(host.attached, (std::vector<std::wstring>{L"Probe", L"Probe"}));
    EXPECT_EQ(host.detached, (std::vector<std::wstring>{L"Probe"}));
}

TEST(Controls, CheckBoxRaisesClickOnlyWhenItsValueChanges) {
    CheckBox box{L"Check1", L""};
    int clicks = 0;
    box.Click = [&] { ++clicks; };
    box.SetValue(1);
    box.SetValue(1);
    box.SetValue(0);
    EXPECT_EQ(clicks, 2);
}

TEST(Controls, ListSelectionFollowsRemovals) {
    ListBox list{L"List1"};
    for (auto s : {L"a", L"b", L"c"}) list.AddItem(s);
    list.SetListIndex(2);
    list.RemoveItem(0);
    EXPECT_EQ(list.SelectedText(), L"c");
    list.RemoveItem(1);
    EXPECT_EQ(list.ListIndex(), -1);
    list.SetListIndex(5);
    EXPECT_EQ(list.ListIndex(), -1);
    const auto before = list.Revision();
    list.AddItem(L"d");
    EXPECT_GT(list.Revision(), before);
}

}  // namespace
}  // namespace vantrel::testing
