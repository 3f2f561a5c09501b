#include "win32/shell/BitmapCache.h"

namespace vantrel::win32 {
namespace {

constexpr wchar_t kDoubleSizeSuffix[] = L"_2X";

bool SizeOf(HBITMAP bitmap, BITMAP& info) {
    return GetObjectW(bitmap, sizeof info, &info) != 0 && info.bmWidth > 0 && info.bmHeight > 0;
}

}  // namespace

HBITMAP BitmapCache::Find(const std::wstring& resource) {
    if (resource.empty()) return nullptr;
    auto it = loaded_.find(resource);
    if (it == loaded_.end()) {
        auto* bitmap = static_cast<HBITMAP>(
            LoadImageW(instance_, resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        // A missing resource is remembered too, so it is looked up only once.
        it = loaded_.emplace(resource, Bitmap(bitmap)).first;
    }
    return it->second.get();
}

bool BitmapCache::Draw(HDC dc, const std::wstring& resource, const RECT& target) {
    HBITMAP bitmap = Find(resource);
    BITMAP info{};
    if (!bitmap || !SizeOf(bitmap, info)) return false;
    const int width = target.right - target.left, height = target.bottom - target.top;
    if (WantsDoubleSize(info.bmWidth, info.bmHeight, width, height)) {
        BITMAP bigInfo{};
        HBITMAP big = Find(resource + kDoubleSizeSuffix);
        if (big && SizeOf(big, bigInfo)) {
            bitmap = big;
            info = bigInfo;
        }
    }
    MemoryDc source(dc);
    if (!source.Get()) return false;
    Selection select(source.Get(), bitmap);
    SavedDc saved(dc);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, target.left, target.top, width, height, source.Get(), 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
    return true;
}

}  // namespace vantrel::win32
