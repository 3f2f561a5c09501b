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

// Two forms whose unload handlers unload each other, one of which can refuse
// the user's close.
class PartnerB;
class PartnerA : public Form {
public:
    explicit PartnerA(Application& app) : Form(app, L"A", L"A", {0, 0, 100, 100}) {}
    void Form_QueryUnload(int& cancel, UnloadMode mode) override {
        ++queries;
        if (mode == UnloadMode::FromControlMenu && refuseUser) cancel = 1;
    }
    void Form_Unload() override;
    int queries = 0, unloads = 0;
    bool refuseUser = false;
};
class PartnerB : public Form {
public:
    explicit PartnerB(Application& app) : Form(app, L"B", L"B", {0, 0, 100, 100}) {}
    void Form_Unload() override {
        ++unloads;
        app.Unload<PartnerA>();
        app.Unload(*this);  // itself, again
    }
    int unloads = 0;
};
void PartnerA::Form_Unload() {
    ++unloads;
    app.Unload<PartnerB>();
}

TEST_F(AppTest, UnloadingIsReentrancySafeAndQueryUnloadCanRefuse) {
    PartnerA& a = app.Get<PartnerA>();
    PartnerB& b = app.Get<PartnerB>();
    a.refuseUser = true;
    EXPECT_FALSE(app.Unload(a, UnloadMode::FromControlMenu));
    EXPECT_TRUE(app.IsLoaded<PartnerA>());
    EXPECT_EQ(a.unloads, 0);
    EXPECT_TRUE(app.Unload(a));
    EXPECT_FALSE(app.IsLoaded<PartnerA>());
    EXPECT_FALSE(app.IsLoaded<PartnerB>());
    EXPECT_EQ(a.unloads, 1);
    EXPECT_EQ(b.unloads, 1);
    EXPECT_EQ(a.queries, 2);
    EXPECT_TRUE(app.Unload(a));  // a second unload of a gone form is a no-op
    EXPECT_EQ(a.unloads, 1);
    EXPECT_EQ(host.detached, (std::vector<std::wstring>{L"B", L"A"}));
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
