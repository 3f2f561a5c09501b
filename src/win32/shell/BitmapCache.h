// The pictures' bitmaps, loaded once from the program's resources by name
// and drawn stretched into a control's rectangle. A picture drawn at least
// 1.25 times its size (a high-DPI screen) is drawn from its double-size
// variant NAME_2X where the resources have one.
#pragma once

#include <map>
#include <string>

#include "win32/shell/Gdi.h"

namespace vantrel::win32 {

// Whether a bitmap of the given size drawn into the target size is enlarged
// enough, in both directions, for the double-size variant to look better.
inline bool WantsDoubleSize(int bitmapWidth, int bitmapHeight, int targetWidth, int targetHeight) {
    return bitmapWidth > 0 && bitmapHeight > 0 && targetWidth * 4 >= bitmapWidth * 5 &&
           targetHeight * 4 >= bitmapHeight * 5;
}

class BitmapCache {
public:
    explicit BitmapCache(HINSTANCE instance) : instance_(instance) {}

    // The bitmap resource of that name, or nullptr when there is none.
    HBITMAP Find(const std::wstring& resource);
    // Draws the named bitmap (or its double-size variant) stretched to
    // `target`; false when it is missing.
    bool Draw(HDC dc, const std::wstring& resource, const RECT& target);
    // Lets every bitmap go.
    void Clear() { loaded_.clear(); }

private:
    HINSTANCE instance_;
    std::map<std::wstring, Bitmap> loaded_;
};

}  // namespace vantrel::win32
