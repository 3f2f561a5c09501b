// The stacking plan of a form's control windows: later controls above the
// earlier ones they overlap, tab stops above the tab stops after them; and
// the port's request that puts a window in or out of the top-most band.
#include <gtest/gtest.h>

#include <algorithm>

#include "win32/port/Win32Port.h"
#include "win32/shell/DrawnControls.h"
#include "win32/shell/ZOrder.h"

namespace vantrel::win32 {
namespace {

// Place of each item in the plan, 0 being the top.
std::vector<std::size_t> Places(const std::vector<std::size_t>& order) {
    std::vector<std::size_t> place(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) place[order[k]] = k;
    return place;
}

bool IsPermutation(std::vector<std::size_t> order, std::size_t n) {
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] != i) return false;
    return order.size() == n;
}

TEST(ZOrder, LaterControlLiesAboveTheEarlierOneItOverlaps) {
    // A face, then its caption, then an unrelated label elsewhere.
    const std::vector<Stacked> items{{{0, 0, 100, 30}, false}, {{0, 5, 100, 20}, false},
                                     {{500, 500, 10, 10}, false}};
    const auto place = Places(PlanZOrder(items));
    EXPECT_LT(place[1], place[0]);
}

TEST(ZOrder, TabStopsRunFromTheTopInControlOrderBeneathOverlaps) {
    // Tab stops 1, 3, 5; a skin picture 0 under all; a caption 4 over stop 3;
    // stop 5 overlaps the picture only.
    const std::vector<Stacked> items{
        {{0, 0, 1000, 1000}, false}, {{10, 10, 50, 20}, true},  {{200, 200, 5, 5}, false},
        {{100, 10, 50, 20}, true},   {{100, 12, 50, 10}, false}, {{300, 10, 50, 20}, true}};
    const auto order = PlanZOrder(items);
    ASSERT_TRUE(IsPermutation(order, items.size()));
    const auto place = Places(order);
    EXPECT_LT(place[1], place[3]);
    EXPECT_LT(place[3], place[5]);
    EXPECT_LT(place[4], place[3]);
    for (std::size_t i = 1; i < items.size(); ++i) EXPECT_LT(place[i], place[0]) << i;
}

TEST(ZOrder, OverlappingTabStopsKeepTheTabOrder) {
    const std::vector<Stacked> items{{{0, 0, 100, 30}, true}, {{50, 0, 100, 30}, true}};
    const auto place = Places(PlanZOrder(items));
    EXPECT_LT(place[0], place[1]);
}

TEST(ZOrder, ConflictingChainStillPlacesEveryControlOnce) {
    // Stop 0 above stop 2 for Tab, yet 1 lies over 0 and 2 over 1.
    const std::vector<Stacked> items{{{0, 0, 100, 30}, true}, {{50, 0, 100, 30}, false},
                                     {{120, 0, 100, 30}, true}};
    const auto order = PlanZOrder(items);
    EXPECT_TRUE(IsPermutation(order, items.size()));
    const auto place = Places(order);
    EXPECT_LT(place[0], place[2]);
    EXPECT_TRUE(PlanZOrder({}).empty());
}

TEST(ZOrder, FormDrawsWhatNeedsNoWindowWhereNoWindowLiesBelowIt) {
    // 0 has a window; 1 overlaps it; 2 stands alone; 3 lies over 2; 4 over
    // 1, which got a window; 5 has a window and lies over 2.
    const std::vector<DrawCandidate> items{{{0, 0, 100, 30}, false}, {{50, 10, 100, 30}, true},
                                           {{500, 0, 100, 30}, true}, {{550, 10, 20, 10}, true},
                                           {{120, 30, 40, 40}, true},  {{520, 5, 10, 10}, false}};
    EXPECT_EQ(PlanDrawnControls(items), (std::vector<bool>{false, false, true, true, false, false}));

    // What is clicked, walked to with Tab, tipped or named keeps a window;
    // the mouse alone does not need one.
    Image picture{L"picture", {0, 0, 10, 10}};
    picture.MouseDown = [](const MouseArgs&) {};
    EXPECT_TRUE(NeedsNoWindow(picture));
    picture.SetToolTipText(L"提示");
    EXPECT_FALSE(NeedsNoWindow(picture));
    Image named{L"named", {0, 0, 10, 10}};
    named.SetAccessibleName(L"关闭");
    EXPECT_FALSE(NeedsNoWindow(named));
    Image clicked{L"clicked", {0, 0, 10, 10}};
    clicked.Click = [] {};
    EXPECT_FALSE(NeedsNoWindow(clicked));
    Image stop{L"stop", {0, 0, 10, 10}};
    stop.SetTabStop(true);
    EXPECT_FALSE(NeedsNoWindow(stop));
}

bool IsTopmost(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// An unowned window, whose band Wine shows as Windows does (an owned one
// keeps WS_EX_TOPMOST after HWND_NOTOPMOST under Wine 8).
TEST(ZOrder, SetTopmostPutsTheWindowInAndOutOfTheTopmostBandWhereItIs) {
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"band", WS_POPUP | WS_VISIBLE, 40, 50, 120, 80,
                                nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    Win32Port port;
    const auto handle = reinterpret_cast<WindowHandle>(hwnd);
    RECT before{}, after{};
    GetWindowRect(hwnd, &before);
    ASSERT_FALSE(IsTopmost(hwnd));
    port.SetTopmost(handle, true);
    EXPECT_TRUE(IsTopmost(hwnd));
    port.SetTopmost(handle, false);
    EXPECT_FALSE(IsTopmost(hwnd));
    port.SetTopmost(handle, true);
    EXPECT_TRUE(IsTopmost(hwnd));
    GetWindowRect(hwnd, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_TRUE(IsWindowVisible(hwnd));
    DestroyWindow(hwnd);
}

}  // namespace
}  // namespace vantrel::win32
