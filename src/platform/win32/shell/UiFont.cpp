#include "platform/win32/shell/UiFont.h"

#include <cwchar>

namespace vantrel::win32 {
namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const wchar_t* face) {
    HDC screen = GetDC(nullptr);
    if (!screen) return false;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(screen, &query, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

const wchar_t* ChosenFace() {
    static const wchar_t* const face = [] {
        for (const wchar_t* candidate :
             {L"Microsoft YaHei UI", L"Microsoft YaHei", L"SimSun", L"宋体", L"WenQuanYi Micro Hei"})
            if (FaceInstalled(candidate)) return candidate;
        return L"";
    }();
    return face;
}

}  // namespace

Font CreateUiFont(int dpi, int points, bool bold) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(points, dpi, 72);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    // With no named face installed, the Chinese character set still leads the
    // font mapper to a face that has the glyphs.
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    wcsncpy(lf.lfFaceName, ChosenFace(), LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&lf));
}

}  // namespace vantrel::win32
