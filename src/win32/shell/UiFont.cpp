#include "win32/shell/UiFont.h"

#include <cwchar>
#include <map>
#include <vector>

namespace vantrel::win32 {
namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const std::wstring& face) {
    if (face.empty() || face.size() >= LF_FACESIZE) return false;
    // Asked once per face: enumerating fonts is slow on some systems.
    static std::map<std::wstring, bool> known;
    auto it = known.find(face);
    if (it != known.end()) return it->second;
    bool found = false;
    if (HDC screen = GetDC(nullptr)) {
        LOGFONTW query{};
        query.lfCharSet = DEFAULT_CHARSET;
        wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
        EnumFontFamiliesExW(screen, &query, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
        ReleaseDC(nullptr, screen);
    }
    known.emplace(face, found);
    return found;
}

// Names a face goes by: its English and its Chinese name.
std::vector<std::wstring> NamesOf(const std::wstring& face) {
    static const std::vector<std::vector<std::wstring>> kSameFace = {
        {L"SimSun", L"宋体"},
        {L"SimHei", L"黑体"},
        {L"Microsoft YaHei", L"微软雅黑"},
    };
    for (const auto& names : kSameFace)
        for (const auto& name : names)
            if (name == face) return names;
    return {face};
}

}  // namespace

const std::wstring& UiFace() {
    static const std::wstring face = [] {
        for (const wchar_t* candidate :
             {L"Microsoft YaHei UI", L"Microsoft YaHei", L"SimSun", L"宋体", L"WenQuanYi Micro Hei"})
            if (FaceInstalled(candidate)) return std::wstring(candidate);
        return std::wstring();
    }();
    return face;
}

std::wstring ResolveFace(const std::wstring& face) {
    if (face.empty()) return UiFace();
    for (const std::wstring& name : NamesOf(face))
        if (FaceInstalled(name)) return name;
    return UiFace();
}

Font CreateLabelFont(const FontSpec& wanted, int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(wanted.points, dpi, 72);
    lf.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = wanted.underline ? TRUE : FALSE;
    // With no named face installed, the Chinese character set still leads the
    // font mapper to a face that has the glyphs.
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring face = ResolveFace(wanted.face);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&lf));
}

}  // namespace vantrel::win32
