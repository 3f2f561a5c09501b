// The program's pictures. Each is one shared object, named by its bitmap
// resource; faces show a holder's picture and comparisons are by identity.
#pragma once

#include "ui/forms/Controls.h"

namespace vantrel::pictures {

// Button faces, 74 x 20: normal, hover, pressed, default, disabled.
inline const Picture ButtonNormal{L"BPT"};
inline const Picture ButtonHover{L"BM"};
inline const Picture ButtonPressed{L"BO"};
inline const Picture ButtonDefault{L"BAUTO"};
inline const Picture ButtonDisabled{L"BEF"};

// The "功能" tab, 59 x 21: normal and hover.
inline const Picture TabNormal{L"WIN1"};
inline const Picture TabHover{L"WIN2"};

// Check boxes, 13 x 13: off normal, hover, pressed; on normal, hover, pressed.
inline const Picture CheckOff{L"C1"};
inline const Picture CheckOffHover{L"C2"};
inline const Picture CheckOffPressed{L"C3"};
inline const Picture CheckOn{L"C4"};
inline const Picture CheckOnHover{L"C5"};
inline const Picture CheckOnPressed{L"C6"};

// The main window's skin.
inline const Picture TitleLeft{L"TITLELEFT"};    // 22 x 44, with the program icon
inline const Picture TitleStrip{L"TITLESTRIP"};  // 546 x 20, blue gradient
inline const Picture TitleRight{L"TITLERIGHT"};  // 56 x 44, minimise and close glyphs
inline const Picture MenuStrip{L"MENUSTRIP"};    // 400 x 24
inline const Picture StripLeft{L"STRIPLEFT"};    // 60 x 21
inline const Picture StripMiddle{L"STRIPMID"};   // 5 x 21, stretched
inline const Picture StripRight{L"STRIPRIGHT"};  // 75 x 21
inline const Picture Edge{L"EDGE"};              // 8 x 5, stretched
inline const Picture PanelLeft{L"PANELLEFT"};    // 70 x 76
inline const Picture PanelMiddle{L"PANELMID"};   // 5 x 76, stretched
inline const Picture PanelRight{L"PANELRIGHT"};  // 65 x 76
inline const Picture FrameTopLeft{L"FRAMETL"};   // group-frame corners, 3 x 3
inline const Picture FrameTopRight{L"FRAMETR"};
inline const Picture FrameBottomLeft{L"FRAMEBL"};
inline const Picture FrameBottomRight{L"FRAMEBR"};

inline const Picture Splash{L"SPLASH"};
inline const Picture AppIcon{L"APPICON"};  // 32 x 32, the program icon on grey

}  // namespace vantrel::pictures
