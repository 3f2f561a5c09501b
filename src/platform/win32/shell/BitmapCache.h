// The pictures' bitmaps, loaded once from the program's resources by name
// and drawn stretched into a control's rectangle.
#pragma once

#include <map>
#include <string>

#include "platform/win32/shell/Gdi.h"

namespace vantrel::win32 {

class BitmapCache {
public:
    explicit BitmapCache(HINSTANCE instance) : instance_(instance) {}

    // The bitmap resource of that name, or nullptr when there is none.
    HBITMAP Find(const std::wstring& resource);
    // Draws the named bitmap stretched to `target`; false when it is missing.
    bool Draw(HDC dc, const std::wstring& resource, const RECT& target);

private:
    HINSTANCE instance_;
    std::map<std::wstring, Bitmap> loaded_;
};

}  // namespace vantrel::win32
