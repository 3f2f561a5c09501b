// The program's fonts: the Chinese UI face for dialog text, and the faces a
// label names, with a Chinese face the system has in place of one it lacks.
#pragma once

#include <string>

#include "win32/shell/Gdi.h"
#include "ui/forms/Controls.h"

namespace vantrel::win32 {

// The face the program's ordinary text uses: "Microsoft YaHei UI" where
// installed, else SimSun ("宋体"), else WenQuanYi Micro Hei, else empty (the
// font mapper then picks a face for the Chinese character set).
const std::wstring& UiFace();

// The face a label's font name resolves to on this system: the UI face for
// an empty name; the named face, or another name of it (宋体 and SimSun),
// when installed; otherwise the UI face.
std::wstring ResolveFace(const std::wstring& face);

// A label's font at a DPI: the resolved face at the wanted size and weight,
// underlined for links.
Font CreateLabelFont(const FontSpec& wanted, int dpi);

// The plain UI font: the UI face at 9 points, regular.
inline Font CreateUiFont(int dpi) { return CreateLabelFont(FontSpec{}, dpi); }

}  // namespace vantrel::win32
