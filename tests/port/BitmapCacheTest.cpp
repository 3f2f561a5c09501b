// Pictures drawn from the resources: stretched into their place, and from
// the double-size variant when drawn at 1.25 times their size or more.
#include <gtest/gtest.h>

#include "win32/shell/BitmapCache.h"

namespace vantrel::win32 {
namespace {

TEST(Bitmaps, DoubleSizeIsWantedFromAQuarterLargerInBothDirections) {
    EXPECT_TRUE(WantsDoubleSize(74, 20, 93, 25));
    EXPECT_FALSE(WantsDoubleSize(74, 20, 92, 25));
    EXPECT_FALSE(WantsDoubleSize(74, 20, 93, 24));
    EXPECT_TRUE(WantsDoubleSize(74, 20, 148, 40));
    // A strip stretched along its length at the normal size is not enlarged.
    EXPECT_FALSE(WantsDoubleSize(5, 76, 600, 76));
    EXPECT_FALSE(WantsDoubleSize(0, 0, 10, 10));
}

class BitmapsDrawn : public testing::Test {
protected:
    BitmapsDrawn() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 16;
        info.bmiHeader.biHeight = -16;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        target.reset(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        selected = SelectObject(dc.Get(), target.get());
    }
    ~BitmapsDrawn() override { SelectObject(dc.Get(), selected); }

    COLORREF DrawnAt(const wchar_t* name, int width, int height) {
        const RECT clear{0, 0, 16, 16};
        FillRect(dc.Get(), &clear, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const RECT place{0, 0, width, height};
        if (!cache.Draw(dc.Get(), name, place)) return CLR_INVALID;
        return GetPixel(dc.Get(), width / 2, height / 2);
    }

    MemoryDc dc{nullptr};
    Bitmap target;
    HGDIOBJ selected = nullptr;
    BitmapCache cache{GetModuleHandleW(nullptr)};
};

TEST_F(BitmapsDrawn, NormalSizeUsesThePictureLargerUsesItsDoubleSizeVariant) {
    // SAMPLE is 4 x 2 red, SAMPLE_2X 8 x 4 blue, SINGLE 4 x 2 green alone.
    EXPECT_EQ(DrawnAt(L"SAMPLE", 4, 2), RGB(255, 0, 0));
    EXPECT_EQ(DrawnAt(L"SAMPLE", 6, 2), RGB(255, 0, 0));
    EXPECT_EQ(DrawnAt(L"SAMPLE", 5, 3), RGB(0, 0, 255));
    EXPECT_EQ(DrawnAt(L"SAMPLE", 8, 4), RGB(0, 0, 255));
    EXPECT_EQ(DrawnAt(L"SINGLE", 8, 4), RGB(0, 255, 0));
    EXPECT_EQ(DrawnAt(L"MISSING", 4, 2), CLR_INVALID);
}

}  // namespace
}  // namespace vantrel::win32
